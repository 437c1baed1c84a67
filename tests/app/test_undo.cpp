#include "app/MainWindowFixture.h"
#include "support/TestSupport.h"

#include <QPushButton>

namespace {

// Every change made in the window can be undone and made again from the
// Edit menu, the file following each step.
class UndoTest : public MainWindowTest
{
protected:
    QAction *item(const char *name) const { return control<QAction>(name); }
    QByteArray held() const { return testsupport::expectedText(diaryCards()); }
    QByteArray onDisk() const
    {
        const auto cards = DiaryFile::read(path, nullptr);
        return cards ? testsupport::expectedText(*cards) : QByteArray("unreadable");
    }
    // Undoes and redoes the last change twice, checking the window's diary
    // and the file against the states before and after it.
    void undoAndRedo(const QByteArray &before, const QString &name)
    {
        const QByteArray after = held();
        ASSERT_NE(after, before);
        EXPECT_EQ(onDisk(), after);
        EXPECT_EQ(item("menuUndo")->text(), QStringLiteral("Undo ") + name);
        for (int round = 0; round < 2; ++round) {
            item("menuUndo")->trigger();
            EXPECT_EQ(held(), before);
            EXPECT_EQ(onDisk(), before);
            EXPECT_EQ(item("menuRedo")->text(), QStringLiteral("Redo ") + name);
            item("menuRedo")->trigger();
            EXPECT_EQ(held(), after);
            EXPECT_EQ(onDisk(), after);
        }
    }
};

TEST_F(UndoTest, EveryChangeIsUndoneAndRedoneWithTheFile)
{
    CardList cards = weekOfCards();
    cards[3]->setIsProtect(true);
    writeDiary(cards);
    start();
    ASSERT_TRUE(item("menuUndo") && item("menuRedo"));
    EXPECT_FALSE(item("menuUndo")->isEnabled());
    EXPECT_EQ(item("menuUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(item("menuRedo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    // A removal through the delete sheet.
    QByteArray before = held();
    control<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller->cardRemove();
    controller->windowDeleteRemove();
    undoAndRedo(before, QStringLiteral("Remove Measurement"));

    // A note edited in the table.
    before = held();
    DiaryTableModel *model = tableModel();
    const int notes = DiaryTableModel::columnWithIdentifier(QStringLiteral("notes"));
    ASSERT_TRUE(model->setData(model->index(1, notes), QStringLiteral("after the walk")));
    undoAndRedo(before, QStringLiteral("Edit Note"));

    // An import that replaces the diary: undone, the diary is exactly what it
    // was, every card and identifier.
    before = held();
    const QString csv = home.filePath(QStringLiteral("other.csv"));
    ASSERT_TRUE(testsupport::writeFile(csv, ZRExport::exportFormatCSVFromArray({weekOfCards().front()})));
    dialogs.fileAnswers << csv;
    dialogs.alertAnswers << Dialogs::kFirstButton; // replace
    control<QAction>("csvImport")->trigger();
    ASSERT_EQ(diaryCards().size(), 1u);
    undoAndRedo(before, QStringLiteral("Import (Replace the Diary)"));
    item("menuUndo")->trigger();

    // A protected card stays protected through the undo and redo of an edit
    // of its note, and is still never removed.
    const auto isProtected = [this] {
        return std::find_if(diaryCards().begin(), diaryCards().end(),
                            [](const CardRef &c) { return c->isProtect(); });
    };
    ASSERT_NE(isProtected(), diaryCards().end());
    const CardRef guarded = *isProtected();
    const int row = int(std::find(cardsInView().begin(),
                                  cardsInView().end(), guarded) -
                        cardsInView().begin());
    before = held();
    ASSERT_TRUE(model->setData(model->index(row, notes), QStringLiteral("kept")));
    undoAndRedo(before, QStringLiteral("Edit Note"));
    item("menuUndo")->trigger();
    EXPECT_EQ(held(), before);
    ASSERT_NE(isProtected(), diaryCards().end());
    control<QTableView>("listaSchedeGlicemiche")->selectRow(row);
    controller->cardRemove();
    controller->windowDeleteRemove();
    EXPECT_EQ(held(), before) << "a protected card is never removed";
    EXPECT_EQ(dialogs.alerts.size(), 1) << "the import's question, and nothing to tell";
}

} // namespace
