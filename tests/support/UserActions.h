#pragma once

// What a user does with the mouse and the keyboard, for the widget tests.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "support/Controls.h"

namespace useractions {

// On the box's own click area: a check box takes clicks on its indicator
// and its title only.
inline void click(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect area = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, area.center());
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// The toolbar's button for an item; false when it is not on screen.
inline bool clickToolbar(QToolBar *toolBar, QAction *item)
{
    QWidget *button = toolBar->widgetForAction(item);
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// The main window's toolbar button for the item of that name.
inline bool clickToolbar(const char *itemName)
{
    return clickToolbar(control<QToolBar>("toolBar"), control<QAction>(itemName));
}

inline void doubleClickRow(QTableView *table, int row)
{
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    // A double click is a click and then a second press that the system
    // reports as a double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
}

// Selects all, deletes it and types the text.
inline void retype(QLineEdit *field, const char *text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromUtf8(text));
}

inline void paste(QLineEdit *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(field, QKeySequence::Paste);
}

} // namespace useractions
