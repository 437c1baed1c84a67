#include "app/WindowPlaces.h"

#include <QStringList>

#include <algorithm>

namespace WindowPlaces {

namespace {
// The least of a window a screen must show for the window to be found and
// moved: about a title bar's height and a few buttons' width.
constexpr int kLeastWidth = 64, kLeastHeight = 32;
constexpr int kLargest = 1 << 15;
constexpr int kGap = 8;

QRect fitted(QRect place, const QRect &screen)
{
    place.setSize(place.size().boundedTo(screen.size()));
    place.moveLeft(std::clamp(place.left(), screen.left(), screen.right() + 1 - place.width()));
    place.moveTop(std::clamp(place.top(), screen.top(), screen.bottom() + 1 - place.height()));
    return place;
}
} // namespace

QString toText(const QRect &place)
{
    return QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
}

std::optional<QRect> fromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] <= -kLargest || values[i] >= kLargest)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

std::optional<QRect> onScreen(const QRect &place, const QList<QRect> &screens)
{
    const QRect *best = nullptr;
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect shown = place & screen;
        const qint64 area = qint64(shown.width()) * shown.height();
        if (shown.width() >= kLeastWidth && shown.height() >= kLeastHeight && area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    if (!best)
        return std::nullopt;
    return fitted(place, *best);
}

QRect beside(const QRect &mainFrame, const QSize &size, int below, const QRect &screen)
{
    QRect place(QPoint(0, mainFrame.top() + below), size);
    if (mainFrame.right() + kGap + size.width() <= screen.right())
        place.moveLeft(mainFrame.right() + 1 + kGap);
    else if (mainFrame.left() - kGap - size.width() >= screen.left())
        place.moveLeft(mainFrame.left() - kGap - size.width());
    else
        place.moveLeft(screen.right() + 1 - size.width());
    return fitted(place, screen);
}

} // namespace WindowPlaces
