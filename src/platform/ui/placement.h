#pragma once
// Where a top-level window lands on the screen. A window is placed by its frame, the title bar
// and border the window manager draws around it, and the whole frame lies inside the screen's
// available area. The frame is known once the window manager has framed the window: before
// that the frame of a window framed earlier stands in for it, and the placement is made again
// with the real frame when the window appears.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tolvar::ui {

// The screen's available area (of the screen in use, sys::CurrentScreen()).
QRect AvailableArea();

// The frame margins of the top-level `window`: its own once it has appeared, else those of
// the window framed last (none before the first).
QMargins FrameMargins(const QWidget* window);

// `frame` moved into `area`; a frame larger than the area keeps its top left corner in it.
QRect KeptInside(QRect frame, const QRect& area);
// A frame of size `outer` centred on `on`, kept inside `area`.
QRect CentredOn(QSize outer, const QRect& on, const QRect& area);
// A frame of size `outer` beside `anchor`, level with its top: to its right where `area` has
// room for it there, else to its left, else overlapping the anchor as far right as `area`
// allows.
QRect Beside(QSize outer, const QRect& anchor, const QRect& area);

// The wanted frame of a window from the size of its frame; nullopt leaves the window where it
// is (the window manager places it).
using FrameTarget = std::function<std::optional<QRect>(QSize outer)>;

// Places the top-level `window` by its frame: now, before it is shown, with the frame it will
// probably get, and again when it first appears, with its real frame. With `sized` the window
// takes the target's size as its outer size (the client area is the rest); otherwise it keeps
// its size. The window counts as placed (IsPlaced) from its first appearance on.
void PlaceByFrame(QWidget* window, FrameTarget target, bool sized = false);

// Whether `window` has appeared and taken its place (windows never given to PlaceByFrame:
// whether it has appeared).
bool IsPlaced(const QWidget* window);

// The width a frame needs to show `window`'s whole title: the window manager writes it in its
// bold title font between the window icon and the window buttons.
int WholeTitleWidth(const QWidget* window);

// Places the top-level `window` by its frame centred on `owner`'s frame (on the screen without
// an owner), whole inside the screen's available area.
void CentreOnOwner(QWidget* window, const QWidget* owner);

// Keeps the shown top-level `window` from being stranded while `keep` says so (always without
// `keep`): minimised while the program's first window (its farthest owner) stays shown, it
// comes back at once with any owner minimised with it (and is the active window again where
// it was when minimised). A minimise of the program, its farthest owner going down with it,
// is honoured: the window comes back with it when the user restores the program, in front
// and, where it was the active window, active again. Nothing of this takes the focus from
// another program.
void KeepRestored(QWidget* window, std::function<bool()> keep = {});

// Shows the top-level `window` again in the state it had before it was minimised, with its
// owners behind it, and makes it the active window.
void Restore(QWidget* window);

// The owners of a top-level window, nearest first, up to the first window without one.
std::vector<QWidget*> OwnersOf(const QWidget* window);

}  // namespace tolvar::ui
