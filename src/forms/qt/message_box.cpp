#include "forms/qt/message_box.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace forms::qt {

namespace {

QScreen* primaryScreen() { return QGuiApplication::primaryScreen(); }

}  // namespace

MessageBox::MessageBox(const QString& title, const QString& text)
    : message_(new QLabel(text)), ok_(new QPushButton(QStringLiteral("OK"))) {
  setWindowTitle(title);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  message_->setTextFormat(Qt::PlainText);
  // A message stays on one line unless that is wider than half the screen; then it wraps
  // at exactly that width.
  if (QScreen* s = primaryScreen()) {
    const int limit = s->geometry().width() / 2;
    if (QFontMetrics(message_->font()).horizontalAdvance(text) > limit) {
      message_->setWordWrap(true);
      message_->setFixedWidth(limit);
    }
  }
  ok_->setDefault(true);                                        // Enter
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);  // Esc rejects, which also closes

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 10);
  layout->setSpacing(14);
  layout->addWidget(message_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(s->geometry().center());
    move(r.topLeft());
  }
  ok_->setFocus();
}

}  // namespace forms::qt
