#include "forms/qt/control_peers.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "art/pictures.h"
#include "forms/button.h"
#include "forms/panel.h"
#include "forms/progress_bar.h"
#include "forms/qt/native.h"
#include "forms/qt/score_bar.h"
#include "forms/qt/translate.h"
#include "forms/radio_button.h"
#include "forms/static_text.h"

namespace forms::qt {

namespace {

QWidget* hostFor(const TWinControl& control) {
  auto* parentPeer = dynamic_cast<NativePeer*>(control.Parent()->Peer());
  return parentPeer ? parentPeer->childHost() : nullptr;
}

// What every windowed control shares: place, flags, font and background.
template <class Control, class Widget>
class WidgetPeer : public ControlPeer, public NativePeer {
 public:
  WidgetPeer(Control& control, Widget* widget) : control_(control), widget_(widget) {}
  ~WidgetPeer() override { delete widget_.data(); }  // unless its parent took it already

  void Sync() override {
    if (!widget_) return;
    widget_->setGeometry(toQRect(control_.BoundsRect()));
    widget_->setEnabled(control_.Enabled());
    widget_->setFont(toQFont(control_.EffectiveFont()));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, toQColor(control_.Color));
    // Text keeps the style's grey while the control is disabled.
    const QColor text = toQColor(control_.EffectiveFont().Color);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::WindowText, text);
      palette.setColor(group, QPalette::ButtonText, text);
    }
    widget_->setPalette(palette);
    SyncOwn();
    widget_->setVisible(control_.Visible());
  }
  void SetFocus() override {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
  }
  QWidget* childHost() override { return widget_; }
  QWidget* shown() override { return widget_; }

 protected:
  virtual void SyncOwn() {}
  Control& control_;
  QPointer<Widget> widget_;
};

class PanelPeer : public WidgetPeer<TPanel, QFrame> {
 public:
  explicit PanelPeer(TPanel& panel) : WidgetPeer(panel, new QFrame(hostFor(panel))) {
    widget_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    widget_->setAutoFillBackground(true);
  }
  void SyncOwn() override { widget_->setLineWidth(control_.BevelWidth); }
};

class ButtonPeer : public WidgetPeer<TButton, QPushButton> {
 public:
  explicit ButtonPeer(TButton& button) : WidgetPeer(button, new QPushButton(hostFor(button))) {
    // Enter on a focused button presses it, as Space does.
    widget_->setAutoDefault(true);
    QObject::connect(widget_, &QPushButton::clicked, [&button] { button.Click(); });
  }
  void SyncOwn() override {
    widget_->setText(toQString(control_.Caption));
    widget_->setFocusPolicy(control_.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
    if (!control_.Glyph.empty() && art::hasPicture(control_.Glyph)) {
      const QSize size(18, 18);
      // The disabled state gets its greyed glyph from the icon itself.
      widget_->setIcon(QIcon(
          QPixmap::fromImage(art::picture(control_.Glyph, size, widget_->devicePixelRatioF()))));
      widget_->setIconSize(size);
    }
  }
};

class RadioPeer : public WidgetPeer<TRadioButton, QRadioButton> {
 public:
  explicit RadioPeer(TRadioButton& radio) : WidgetPeer(radio, new QRadioButton(hostFor(radio))) {
    QObject::connect(widget_, &QRadioButton::toggled, [&radio](bool checked) {
      if (checked) radio.Click();
    });
  }
  void SyncOwn() override {
    const QSignalBlocker quiet(widget_);
    widget_->setText(toQString(control_.Caption));
    widget_->setChecked(control_.Checked());
    // Only the checked button of the group is a tab stop; arrows move within the group.
    widget_->setFocusPolicy(control_.Checked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
};

class StaticTextPeer : public WidgetPeer<TStaticText, QLabel> {
 public:
  explicit StaticTextPeer(TStaticText& text) : WidgetPeer(text, new QLabel(hostFor(text))) {
    widget_->setTextFormat(Qt::PlainText);
    widget_->setAutoFillBackground(true);
    widget_->setFocusPolicy(Qt::NoFocus);
  }
  void SyncOwn() override {
    widget_->setAlignment(toQAlignment(control_.Alignment) | Qt::AlignTop);
    widget_->setText(toQString(control_.DisplayText()));
  }
};

class ProgressBarPeer : public WidgetPeer<TProgressBar, ScoreBar> {
 public:
  explicit ProgressBarPeer(TProgressBar& bar) : WidgetPeer(bar, new ScoreBar(bar, hostFor(bar))) {}
  void SyncOwn() override { widget_->update(); }
};

}  // namespace

std::unique_ptr<ControlPeer> createControlPeer(TWinControl& control) {
  if (!hostFor(control)) return nullptr;
  std::unique_ptr<ControlPeer> peer;
  if (auto* c = dynamic_cast<TButton*>(&control))
    peer = std::make_unique<ButtonPeer>(*c);
  else if (auto* c = dynamic_cast<TRadioButton*>(&control))
    peer = std::make_unique<RadioPeer>(*c);
  else if (auto* c = dynamic_cast<TStaticText*>(&control))
    peer = std::make_unique<StaticTextPeer>(*c);
  else if (auto* c = dynamic_cast<TProgressBar*>(&control))
    peer = std::make_unique<ProgressBarPeer>(*c);
  else if (auto* c = dynamic_cast<TPanel*>(&control))
    peer = std::make_unique<PanelPeer>(*c);
  if (peer) peer->Sync();
  return peer;
}

}  // namespace forms::qt
