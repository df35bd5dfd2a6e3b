#pragma once
// A continuous progress bar, vertical bars filling from the bottom.

#include <QWidget>

#include "forms/progress_bar.h"

namespace forms::qt {

class ScoreBar : public QWidget {
 public:
  explicit ScoreBar(const TProgressBar& bar, QWidget* parent) : QWidget(parent), bar_(bar) {}
  // The part of the inside that the bar's position fills.
  static QRect filledPart(const QRect& inside, const TProgressBar& bar);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TProgressBar& bar_;
};

}  // namespace forms::qt
