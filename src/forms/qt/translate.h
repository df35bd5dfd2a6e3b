#pragma once
// Pure translations between the component layer's values and Qt's.

#include <QColor>
#include <QFont>
#include <QMouseEvent>
#include <QRect>
#include <QString>
#include <optional>
#include <string_view>

#include "forms/graphics.h"
#include "forms/types.h"

namespace forms::qt {

QColor toQColor(const TColor& c);
QFont toQFont(const TFont& f);
QString toQString(std::string_view s);
inline QRect toQRect(const TRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
Qt::Alignment toQAlignment(TAlignment a);

std::optional<TMouseButton> toMouseButton(Qt::MouseButton b);
// The keys and buttons held, from Qt's modifiers and button state.
TShiftState toShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace forms::qt
