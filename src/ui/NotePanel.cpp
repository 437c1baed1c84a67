#include "ui/NotePanel.h"

#include "text/StringTable.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

NotePanel::NotePanel(const StringTable &strings, QWidget *parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("windowNote"));
    setWindowTitle(strings.text(QStringLiteral("WINDOW_NOTE")));
    resize(320, 220);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("windowNoteTextViewNote"));
    m_text->setReadOnly(true);
    layout->addWidget(m_text);
}

void NotePanel::setNote(const QString &note)
{
    if (m_text->toPlainText() != note)
        m_text->setPlainText(note);
}
