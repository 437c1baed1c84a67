#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where the main window and its panels go: the places the last run left them
// in, while those are still on a screen, else beside the main window. A place
// is the window's frame position and its size.
namespace WindowPlaces {

// "x,y,width,height", as the places file keeps it.
QString toText(const QRect &place);
// None for anything but four whole numbers with a size a window can have.
std::optional<QRect> fromText(const QString &text);

// The place moved and shrunk onto the screen (an available area) that holds
// most of it; none when no screen holds a part big enough to grab.
std::optional<QRect> onScreen(const QRect &place, const QList<QRect> &screens);

// A window of the given size beside the main window's frame, `below` pixels
// under its top: at its right when the screen has room there, else at its
// left, else against the screen's right edge; always on the screen.
QRect beside(const QRect &mainFrame, const QSize &size, int below, const QRect &screen);

} // namespace WindowPlaces
