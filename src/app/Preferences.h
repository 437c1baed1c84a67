#pragma once

#include <QMap>
#include <QString>

#include <optional>

struct ViewSettings;

// The remembered view settings on disk: one flat list of texts under nine
// keys (ten once a profile of targets has been picked), in a file of its own in the user's configuration folder
// ($XDG_CONFIG_HOME/Orvane/OrvanePreferenze.conf, ~/.config when unset).
// Every value is a text, whatever it stands for.
namespace Preferences {

inline constexpr char kDomainName[] = "OrvanePreferenze";

inline constexpr char kToolBarIsVisible[] = "toolBarIsVisible";
inline constexpr char kToolBarDisplayMode[] = "toolBarDisplayMode";
inline constexpr char kToolBarSizeMode[] = "toolBarSizeMode";
inline constexpr char kStatisticsIsVisible[] = "statisticsIsVisible";
inline constexpr char kNoteIsVisible[] = "noteIsVisible";
inline constexpr char kPeriodMenuSelect[] = "prediodoMenuSelect";
inline constexpr char kKindMenuSelect[] = "misurazioniMenuSelect";
inline constexpr char kTrendsIsVisible[] = "trendsIsVisible";
inline constexpr char kGlycemiaUnit[] = "glycemiaUnit"; // "mg/dL" or "mmol/L"
inline constexpr char kAgpProfile[] = "agpProfile";     // "standard" or "olderHighRisk"

using Domain = QMap<QString, QString>;

// Where the domain lives for the current user.
QString defaultPath();

// The places of the main window and its panels live in a file of their own
// beside the domain (OrvaneWindows.conf), one "x,y,width,height" text under
// each window's name (windowMain, windowStatistics, windowNote, windowTrends):
// the domain keeps its nine keys, and a user whose screens changed can throw
// the places away without losing the view settings.
inline constexpr char kPlacesName[] = "OrvaneWindows";
QString placesPath(const QString &domainPath);

// The domain at path; none when there is no such file. Values that are not
// texts read as absent.
std::optional<Domain> read(const QString &path);

// Replaces the whole domain at path and writes it to disk at once, creating
// the folder when it is missing. False when it could not be written.
bool write(const QString &path, const Domain &domain);

// The view settings the domain holds. An absent key reads as NO, 0 or a
// title that matches no pop-up item.
ViewSettings viewSettings(const Domain &domain);
// The domain that holds the view settings.
Domain domainOf(const ViewSettings &settings);

// "YES" or "NO".
inline QString yesNo(bool value)
{
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}

} // namespace Preferences
