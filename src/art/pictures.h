#pragma once
// The game's built-in pictures, drawn from SVG held in the program's resources.

#include <QIcon>
#include <QImage>
#include <QSize>
#include <string_view>

namespace art {

// Names: "balloon.red", "balloon.yellow", "balloon.lightblue", "balloon.blue",
// "basket.lightblue", "basket.red", "basket.yellow", "basket.blue", "trophy", "check".
bool hasPicture(std::string_view name);

// The whole picture stretched over a box of `size` device-independent pixels
// (independent horizontal and vertical scales), rendered at `devicePixelRatio`,
// transparent wherever the picture has no shape. Rendered once per
// (name, size, ratio) and reused, so dragging never re-rasterizes.
const QImage& picture(std::string_view name, QSize size, qreal devicePixelRatio = 1.0);

// The application icon: the 32 x 32 16-colour image plus the scalable drawing.
QIcon applicationIcon();
// The 32 x 32 16-colour image alone, with its transparency.
QImage applicationIconImage();

}  // namespace art
