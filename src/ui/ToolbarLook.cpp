#include "ui/ToolbarLook.h"

#include "text/StringTable.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

#include <utility>

ToolbarLook::ToolbarLook(QToolBar *toolBar, const StringTable &strings)
    : QObject(toolBar)
    , m_toolBar(toolBar)
{
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    m_menu = new QMenu(toolBar);
    m_menu->setObjectName(QStringLiteral("toolbarMenu"));
    auto *group = new QActionGroup(m_menu);
    const std::pair<int, const char *> modes[] = {{1, "TOOLBAR_MODE_ICON_AND_TEXT"},
                                                  {2, "TOOLBAR_MODE_ICON"},
                                                  {3, "TOOLBAR_MODE_TEXT"}};
    for (const auto &[mode, key] : modes) {
        QAction *item = m_menu->addAction(t(key));
        item->setCheckable(true);
        item->setData(mode);
        group->addAction(item);
        m_modeItems.append(item);
        connect(item, &QAction::triggered, this, [this, mode] { applyDisplayMode(mode); });
    }
    m_menu->addSeparator();
    m_smallSize = m_menu->addAction(t("TOOLBAR_MODE_SMALL"));
    m_smallSize->setCheckable(true);
    connect(m_smallSize, &QAction::triggered, this, [this](bool small) { setSize(small ? kSizeSmall : kSizeRegular); });
    toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_toolBar->mapToGlobal(at)); });
}

void ToolbarLook::applyDisplayMode(int mode)
{
    m_displayMode = mode >= 0 && mode <= 3 ? mode : 0;
    switch (mode) {
    case 1: m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon); break;
    case 2: m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly); break;
    case 3: m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly); break;
    default: m_toolBar->setToolButtonStyle(Qt::ToolButtonFollowStyle); break;
    }
    for (QAction *item : std::as_const(m_modeItems))
        item->setChecked(item->data().toInt() == m_displayMode);
}

void ToolbarLook::applySizeMode(int mode)
{
    switch (mode) {
    case 1: setSize(kSizeSmall); break;
    case 0: setSize(kSizeRegular); break;
    default: setSize(kSizeDefault); break;
    }
}

void ToolbarLook::setSize(int size)
{
    m_size = size;
    switch (size) {
    case kSizeSmall: m_toolBar->setIconSize(QSize(16, 16)); break;
    case kSizeRegular: m_toolBar->setIconSize(QSize(24, 24)); break;
    default: m_toolBar->setIconSize(QSize()); break; // the style's own size
    }
    m_smallSize->setChecked(size == kSizeSmall);
}
