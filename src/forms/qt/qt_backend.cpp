#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "forms/form.h"
#include "forms/qt/control_peers.h"
#include "forms/qt/form_window.h"
#include "forms/qt/message_box.h"
#include "forms/qt/translate.h"
#include "forms/timer.h"

namespace forms::qt {

namespace {

class QtTimerPeer : public TimerPeer {
 public:
  explicit QtTimerPeer(TTimer& timer) {
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, [&timer] { timer.Fire(); });
  }
  void Start(int intervalMs) override { qtimer_.start(intervalMs); }
  void Stop() override { qtimer_.stop(); }

 private:
  QTimer qtimer_;
};

}  // namespace

QtBackend::QtBackend() {
  // The classic look the layout was made for.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
  }
  // No face of that name here: the metric-compatible sans stands in for it.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  // The layer decides when the program ends (closing the main window), not Qt.
  QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<FormPeer> QtBackend::CreateFormPeer(TForm& form) {
  return std::make_unique<QtFormPeer>(form);
}

std::unique_ptr<ControlPeer> QtBackend::CreateControlPeer(TWinControl& control) {
  return createControlPeer(control);
}

std::unique_ptr<TimerPeer> QtBackend::CreateTimerPeer(TTimer& timer) {
  return std::make_unique<QtTimerPeer>(timer);
}

void QtBackend::MessageBox(std::string_view title, std::string_view text) {
  forms::qt::MessageBox box(toQString(title), toQString(text));
  if (onMessageBoxShown) QTimer::singleShot(0, &box, [this, &box] { onMessageBoxShown(box); });
  box.exec();
}

void QtBackend::Beep() { QApplication::beep(); }

TSize QtBackend::MeasureText(const TFont& font, std::string_view text) {
  const QFontMetrics metrics(toQFont(font));
  return {metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

int QtBackend::WrappedTextHeight(const TFont& font, std::string_view text, int width) {
  const QFontMetrics metrics(toQFont(font));
  return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, toQString(text))
      .height();
}

TSize QtBackend::DesktopSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize s = screen->virtualSize();
  return {s.width(), s.height()};
}

void QtBackend::Run() { QApplication::exec(); }

void QtBackend::Quit() { QApplication::quit(); }

}  // namespace forms::qt
