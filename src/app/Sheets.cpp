#include "app/Sheets.h"

#include "edit/DeleteSheet.h"
#include "edit/EditSheet.h"
#include "model/Diary.h"
#include "text/StringTable.h"
#include "ui/ExportTypeSheet.h"
#include "ui/ZRUtility.h"
#include "view/DiaryCommands.h"

#include <QAction>
#include <QRadioButton>

#include <initializer_list>
#include <utility>

Sheets::Sheets(QWidget *window, Diary &diary, QUndoStack &undo, const StringTable &strings)
    : m_diary(diary)
    , m_undo(undo)
    , m_strings(strings)
    , m_edit(new EditSheet(strings, window))
    , m_delete(new DeleteSheet(strings, window))
    , m_exportType(new ExportTypeSheet(strings, window))
{
    connect(m_edit, &EditSheet::actionRequested, this, [this] { windowEditButtonAction(); });
    connect(m_edit, &QDialog::rejected, this, [this] { windowEditButtonCancel(); });
    connect(m_delete, &DeleteSheet::removeRequested, this, [this] { windowDeleteRemove(); });
    connect(m_delete, &QDialog::rejected, this, [this] { windowDeleteCancel(); });
    connect(m_exportType, &ExportTypeSheet::continueRequested, this, [this] { windowExportTypeButtonContinue(); });
    connect(m_exportType, &QDialog::rejected, this, [this] { windowExportTypeButtonCancel(); });
    m_edit->fillPopUps();
}

void Sheets::changed() const
{
    if (shownOrHidden)
        shownOrHidden();
}

void Sheets::takeQuitKey(QAction *quitItem)
{
    for (QDialog *sheet : std::initializer_list<QDialog *>{m_edit, m_delete, m_exportType}) {
        auto *quit = new QAction(sheet);
        quit->setShortcuts(quitItem->shortcuts());
        sheet->addAction(quit);
        connect(quit, &QAction::triggered, quitItem, &QAction::trigger);
    }
}

void Sheets::rejectAll()
{
    for (QDialog *sheet : std::initializer_list<QDialog *>{m_edit, m_delete, m_exportType}) {
        if (sheet->isVisible())
            sheet->reject();
    }
}

// ---------------------------------------------------------------------------
// The edit sheet

void Sheets::inizializeGUIwindowsEditWhitGlycemicCard(const CardRef &card)
{
    if (m_edit->isVisible())
        return;
    m_editingCard = card;
    m_edit->inizializeGUIwindowsEditWhitGlycemicCard(card.get(), now());
    changed();
}

bool Sheets::editSheetVisible() const
{
    return m_edit->isVisible();
}

void Sheets::windowEditButtonCancel()
{
    m_edit->hide();
    m_editingCard.reset();
    changed();
}

void Sheets::windowEditButtonAction()
{
    const CardRef original = m_edit->isAddMode() ? nullptr : m_editingCard;
    const Diary::Result result =
        DiaryCommands::editCard(m_undo, m_diary, m_strings, original, m_edit->cardFromControls(0), now());
    if (!result.done()) {
        // The sheet stays open as the user left it.
        ZRUtility::showErrorWithTextMessagge(m_strings.text(QStringLiteral("DATA_INCORRECT")), m_edit);
        return;
    }
    m_edit->accept();
    m_editingCard.reset();
    changed();
}

void Sheets::setGlycemiaUnit(GlycemiaUnit::Unit unit)
{
    m_edit->setGlycemiaUnit(unit);
    m_delete->setGlycemiaUnit(unit);
}

// ---------------------------------------------------------------------------
// The delete sheet

void Sheets::measurementRemove(const CardRef &card)
{
    if (m_delete->isVisible() || !card)
        return;
    m_removingCard = card;
    m_delete->measurementRemove(*card);
    changed();
}

void Sheets::windowDeleteCancel()
{
    m_delete->hide();
    m_removingCard.reset();
    changed();
}

void Sheets::windowDeleteRemove()
{
    // The diary refuses to remove a protected card, whatever asked for it.
    DiaryCommands::removeCard(m_undo, m_diary, m_strings, std::exchange(m_removingCard, nullptr));
    m_delete->accept();
    changed();
}

// ---------------------------------------------------------------------------
// The export sheet

void Sheets::exportDB()
{
    if (m_delete->isVisible() || m_exportType->isVisible())
        return;
    m_exportType->formatOrvaneORV->setChecked(true);
    m_exportType->open();
    changed();
}

void Sheets::windowExportTypeButtonCancel()
{
    m_exportType->hide();
    changed();
}

void Sheets::windowExportTypeButtonContinue()
{
    const std::optional<ZRExport::Kind> kind = m_exportType->selectedKind();
    // The sheet goes before the save panel comes: cancelling the panel ends
    // the export.
    m_exportType->accept();
    changed();
    if (kind && exportDiary)
        exportDiary(*kind);
}
