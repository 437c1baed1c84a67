#pragma once

#include <QWidget>

class QPlainTextEdit;
class StringTable;

// The note panel: the selected card's note, to read.
class NotePanel : public QWidget
{
    Q_OBJECT

public:
    NotePanel(const StringTable &strings, QWidget *parent);

    // A note already shown is left alone, and with it the reader's place.
    void setNote(const QString &note);

private:
    QPlainTextEdit *m_text = nullptr;
};
