#include "forms/qt/translate.h"

#include <QApplication>
#include <QPalette>

namespace forms::qt {

QColor toQColor(const TColor& c) {
  switch (c.systemColor()) {
    case TColor::System::BtnFace:
      return QApplication::palette().color(QPalette::Button);
    case TColor::System::WindowText:
      return QApplication::palette().color(QPalette::WindowText);
    case TColor::System::None:
      break;
  }
  return QColor(c.red(), c.green(), c.blue());
}

QFont toQFont(const TFont& f) {
  QFont font(toQString(f.Name));
  font.setPixelSize(f.pixelSize());
  font.setBold(f.Bold);
  return font;
}

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Qt::Alignment toQAlignment(TAlignment a) {
  switch (a) {
    case TAlignment::taLeftJustify:
      return Qt::AlignLeft;
    case TAlignment::taCenter:
      return Qt::AlignHCenter;
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

std::optional<TMouseButton> toMouseButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return TMouseButton::mbLeft;
    case Qt::RightButton:
      return TMouseButton::mbRight;
    case Qt::MiddleButton:
      return TMouseButton::mbMiddle;
    default:
      return std::nullopt;
  }
}

TShiftState toShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  unsigned bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= ssShift;
  if (modifiers & Qt::AltModifier) bits |= ssAlt;
  if (modifiers & Qt::ControlModifier) bits |= ssCtrl;
  if (buttons & Qt::LeftButton) bits |= ssLeft;
  if (buttons & Qt::RightButton) bits |= ssRight;
  if (buttons & Qt::MiddleButton) bits |= ssMiddle;
  return TShiftState::fromBits(bits);
}

}  // namespace forms::qt
