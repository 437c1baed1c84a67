#include "app/Preferences.h"

#include "app/ViewSettings.h"
#include "text/GlycemiaUnit.h"
#include "text/TextConversions.h"
#include "view/Agp.h"
#include "view/Trends.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Preferences {

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Orvane/")
         + QString::fromLatin1(kDomainName) + QStringLiteral(".conf");
}

QString placesPath(const QString &domainPath)
{
    return QFileInfo(domainPath).dir().filePath(QString::fromLatin1(kPlacesName) + QStringLiteral(".conf"));
}

std::optional<Domain> read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QSettings settings(path, QSettings::IniFormat);
    Domain domain;
    for (const QString &key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        if (value.typeId() == QMetaType::QString)
            domain.insert(key, value.toString());
    }
    return domain;
}

bool write(const QString &path, const Domain &domain)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    for (auto it = domain.cbegin(); it != domain.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

ViewSettings viewSettings(const Domain &domain)
{
    auto value = [&domain](const char *key) { return domain.value(QString::fromLatin1(key)); };
    ViewSettings settings;
    settings.toolbarVisible = TextConversions::boolValue(value(kToolBarIsVisible));
    settings.toolbarDisplayMode = TextConversions::intValue(value(kToolBarDisplayMode));
    settings.toolbarSizeMode = TextConversions::intValue(value(kToolBarSizeMode));
    settings.statisticsVisible = TextConversions::boolValue(value(kStatisticsIsVisible));
    settings.noteVisible = TextConversions::boolValue(value(kNoteIsVisible));
    settings.trendsVisible = TextConversions::boolValue(value(kTrendsIsVisible));
    settings.glycemiaUnit = GlycemiaUnit::name(GlycemiaUnit::fromName(value(kGlycemiaUnit)));
    settings.periodTitle = value(kPeriodMenuSelect);
    settings.kindTitle = value(kKindMenuSelect);
    if (domain.contains(QString::fromLatin1(kAgpProfile)))
        settings.agpProfile = Agp::profileKey(Agp::profileFromKey(value(kAgpProfile)));
    return settings;
}

Domain domainOf(const ViewSettings &settings)
{
    Domain domain{
        {QString::fromLatin1(kToolBarIsVisible), yesNo(settings.toolbarVisible)},
        {QString::fromLatin1(kToolBarDisplayMode), QString::number(settings.toolbarDisplayMode)},
        {QString::fromLatin1(kToolBarSizeMode), QString::number(settings.toolbarSizeMode)},
        {QString::fromLatin1(kStatisticsIsVisible), yesNo(settings.statisticsVisible)},
        {QString::fromLatin1(kNoteIsVisible), yesNo(settings.noteVisible)},
        {QString::fromLatin1(kPeriodMenuSelect), settings.periodTitle},
        {QString::fromLatin1(kKindMenuSelect), settings.kindTitle},
        {QString::fromLatin1(kTrendsIsVisible), yesNo(settings.trendsVisible)},
        {QString::fromLatin1(kGlycemiaUnit), settings.glycemiaUnit},
    };
    if (!settings.agpProfile.isEmpty())
        domain.insert(QString::fromLatin1(kAgpProfile), settings.agpProfile);
    return domain;
}

} // namespace Preferences
