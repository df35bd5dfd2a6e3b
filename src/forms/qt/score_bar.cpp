#include "forms/qt/score_bar.h"

#include <qdrawutil.h>

#include <QPainter>

namespace forms::qt {

QRect ScoreBar::filledPart(const QRect& inside, const TProgressBar& bar) {
  const int span = bar.Max() - bar.Min();
  const int done = bar.Position() - bar.Min();
  if (span <= 0 || done <= 0) return {};
  if (bar.Orientation == TProgressBarOrientation::pbVertical) {
    const int h = static_cast<int>(static_cast<long long>(inside.height()) * done / span);
    return QRect(inside.left(), inside.bottom() - h + 1, inside.width(), h);
  }
  const int w = static_cast<int>(static_cast<long long>(inside.width()) * done / span);
  return QRect(inside.left(), inside.top(), w, inside.height());
}

void ScoreBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A sunken well, one pixel of frame, and the fill in the highlight colour.
  qDrawShadePanel(&painter, rect(), palette(), true, 1, &palette().brush(QPalette::Button));
  const QRect inside = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(filledPart(inside, bar_), palette().color(QPalette::Highlight));
}

}  // namespace forms::qt
