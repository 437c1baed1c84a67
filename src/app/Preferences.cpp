#include "app/Preferences.h"

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

} // namespace Preferences
