#include "app/RememberedView.h"

#include "app/Panels.h"
#include "app/Preferences.h"
#include "text/StringTable.h"
#include "ui/MainWindow.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/ToolbarLook.h"
#include "ui/TrendsWindow.h"
#include "view/Agp.h"

#include <QComboBox>
#include <QToolBar>

RememberedView::RememberedView(MainWindow &window, Panels &panels, const StringTable &strings, ViewSettings &settings)
    : m_window(window)
    , m_panels(panels)
    , m_strings(strings)
    , m_settings(settings)
{
}

void RememberedView::read(const QString &preferencesPath)
{
    const std::optional<Preferences::Domain> domain = Preferences::read(preferencesPath);
    if (!domain) {
        write(preferencesPath);
        return;
    }
    // An absent title matches no item: the pop-up shows everything.
    m_settings = Preferences::viewSettings(*domain);
}

void RememberedView::apply(const QString &preferencesPath)
{
    m_window.toolBar()->setVisible(m_settings.toolbarVisible);
    m_window.toolbarLook().applyDisplayMode(m_settings.toolbarDisplayMode);
    m_window.toolbarLook().applySizeMode(m_settings.toolbarSizeMode);
    // The settings outlive this object: they are the program's.
    TrendsWindow *trends = m_window.trendsWindow();
    trends->setProfile(Agp::profileFromKey(m_settings.agpProfile));
    trends->onProfileChanged = [&settings = m_settings](Consensus::Profile profile) {
        settings.agpProfile = Agp::profileKey(profile);
    };
    m_panels.restore(Preferences::read(Preferences::placesPath(preferencesPath)).value_or(Preferences::Domain{}));
    MainWindow::selectPopupItem(m_window.popupPeriod(), m_strings.text(m_settings.periodTitle));
    MainWindow::selectPopupItem(m_window.popupMeasurements(), m_strings.text(m_settings.kindTitle));
}

void RememberedView::write(const QString &preferencesPath)
{
    namespace P = Preferences;
    m_settings.toolbarDisplayMode = m_window.toolbarLook().displayMode();
    m_settings.toolbarSizeMode = m_window.toolbarLook().sizeMode();
    m_settings.statisticsVisible = m_window.statisticsPanel()->isVisible();
    m_settings.noteVisible = m_window.notePanel()->isVisible();
    m_settings.trendsVisible = m_window.trendsWindow()->isVisible();
    if (const P::Domain places = m_panels.places(); !places.isEmpty())
        P::write(P::placesPath(preferencesPath), places);
    ViewSettings saved = m_settings;
    // isHidden, not isVisible: the toolbar of a window being closed is shown.
    saved.toolbarVisible = !m_window.toolBar()->isHidden();
    saved.periodTitle = m_strings.keyForText(m_window.popupPeriod()->currentText());
    saved.kindTitle = m_strings.keyForText(m_window.popupMeasurements()->currentText());
    P::write(preferencesPath, P::domainOf(saved));
}
