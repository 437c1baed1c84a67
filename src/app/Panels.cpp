#include "app/Panels.h"

#include "app/ViewSettings.h"
#include "app/WindowPlaces.h"
#include "text/StringTable.h"
#include "ui/MainWindow.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/TrendsWindow.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

Panels::Panels(MainWindow &window, const StringTable &strings, const ViewSettings &settings)
    : m_window(window)
    , m_strings(strings)
    , m_settings(settings)
{
}

Panels::~Panels()
{
    // The panels are deleted after the menu items their hiding retitles:
    // stop listening to them first.
    m_window.removeEventFilter(this);
    for (const auto &[panel, item] : panels())
        panel->removeEventFilter(this);
}

QList<std::pair<QWidget *, QAction *>> Panels::panels() const
{
    // In the order they stack beside the main window.
    return {{m_window.statisticsPanel(), m_window.statisticsItem()},
            {m_window.notePanel(), m_window.noteItem()},
            {m_window.trendsWindow(), m_window.trendsItem()}};
}

void Panels::restore(const Preferences::Domain &places)
{
    // The panels wait for the main window (see eventFilter): shown before
    // it, they would end up beneath it.
    m_places = places;
    placeWindow(&m_window);
    m_window.installEventFilter(this);
    for (const auto &[panel, item] : panels())
        panel->installEventFilter(this);
}

bool Panels::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_window && type == QEvent::Show && !m_panelsRestored) {
        m_panelsRestored = true;
        showRestoredPanels();
    } else if (type == QEvent::Show || type == QEvent::Hide) {
        // The items are titled for what choosing them will do.
        for (const auto &[panel, item] : panels()) {
            if (watched == panel)
                item->setText(m_strings.text(type == QEvent::Show ? QStringLiteral("MENU_NOTE_HIDE")
                                                                  : QStringLiteral("MENU_NOTE_VIEW")));
        }
    }
    return QObject::eventFilter(watched, event);
}

void Panels::showRestoredPanels()
{
    const bool shownBefore[] = {m_settings.statisticsVisible, m_settings.noteVisible, m_settings.trendsVisible};
    const auto all = panels();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (shownBefore[i])
            show(all[i].first, false);
    }
}

void Panels::toggle(QWidget *panel)
{
    // The item's title follows through eventFilter.
    if (panel->isVisible())
        panel->hide();
    else
        show(panel, true);
}

void Panels::show(QWidget *panel, bool activate)
{
    placeWindow(panel);
    panel->show();
    panel->raise();
    if (activate)
        panel->activateWindow();
    else // raised again once the main window, shown with it, is on screen
        QMetaObject::invokeMethod(panel, [panel] { panel->raise(); }, Qt::QueuedConnection);
    if (shown)
        shown(panel);
}

Preferences::Domain Panels::places() const
{
    Preferences::Domain places = m_places;
    for (const QWidget *window : std::as_const(m_placed))
        places.insert(window->objectName(), WindowPlaces::toText(QRect(window->pos(), window->size())));
    return places;
}

void Panels::placeWindow(QWidget *window)
{
    constexpr int kPanelRoom = 500; // the statistics panel's width, about
    if (m_placed.contains(window))
        return;
    m_placed.insert(window);
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (const auto place = WindowPlaces::fromText(m_places.value(window->objectName()))) {
        if (const auto onScreen = WindowPlaces::onScreen(*place, screens)) {
            window->resize(onScreen->size());
            window->move(onScreen->topLeft());
            return;
        }
    }
    const QRect screen = m_window.screen()->availableGeometry();
    if (window == &m_window) {
        // A first start leaves a border of the screen free, and room at the
        // right for the panels where the screen has it.
        const QSize size = window->size().boundedTo(screen.size() * 9 / 10);
        const QSize withPanels(size.width() + kPanelRoom, size.height());
        window->resize(size);
        window->move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, withPanels.boundedTo(screen.size()), screen).topLeft());
        return;
    }
    // The panel's frame is taken to be the main window's, which is shown.
    const QRect mainFrame = m_window.frameGeometry(), mainInside = m_window.geometry();
    const QMargins frame(mainInside.left() - mainFrame.left(), mainInside.top() - mainFrame.top(),
                         mainFrame.right() - mainInside.right(), mainFrame.bottom() - mainInside.bottom());
    auto sizeOf = [](QWidget *w) { return w->testAttribute(Qt::WA_Resized) ? w->size() : w->sizeHint(); };
    // Below the panels stacked before it.
    int below = 0;
    for (const auto &[panel, item] : panels()) {
        if (panel == window)
            break;
        below += sizeOf(panel).grownBy(frame).height() + 8;
    }
    const QSize size = sizeOf(window).boundedTo(screen.size().shrunkBy(frame));
    window->resize(size);
    window->move(WindowPlaces::beside(mainFrame, size.grownBy(frame), below, screen).topLeft());
}
