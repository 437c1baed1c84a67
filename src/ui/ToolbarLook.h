#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QToolBar;
class StringTable;

// How the toolbar's items look: the display mode and the size, chosen from
// the toolbar's own menu (right click, named "toolbarMenu") and remembered
// from one run to the next.
class ToolbarLook : public QObject
{
    Q_OBJECT

public:
    // Display modes: 0 the style's, 1 icon and label, 2 icon only, 3 label only.
    static constexpr int kSizeDefault = 0, kSizeRegular = 1, kSizeSmall = 2;

    ToolbarLook(QToolBar *toolBar, const StringTable &strings);

    // Anything but 1 to 3 is the style's own mode.
    void applyDisplayMode(int mode);
    // The remembered size: 1 small, 0 regular, anything else the style's.
    void applySizeMode(int mode);
    void setSize(int size);

    int displayMode() const { return m_displayMode; }
    // The size as it is remembered: 1 small, else 0.
    int sizeMode() const { return m_size == kSizeSmall ? 1 : 0; }

private:
    QToolBar *m_toolBar;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_modeItems;
    QAction *m_smallSize = nullptr;
    int m_displayMode = 0;
    int m_size = kSizeDefault;
};
