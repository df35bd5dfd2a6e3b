#include "forms/qt/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "art/pictures.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/qt/translate.h"

namespace forms::qt {

Canvas::Canvas(TForm& form) : form_(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Moves without a button held reach the balloons too, as they would on any window.
  setMouseTracking(true);
}

void Canvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), toQColor(form_.Color));
  for (const TControl* c : form_.PaintOrder()) {
    const QRect box = toQRect(c->FormRect());
    const QRect covers = toQRect(c->PaintRect());
    if (!event->rect().intersects(covers)) continue;
    if (auto* image = dynamic_cast<const TImage*>(c)) {
      if (!art::hasPicture(image->Picture) || box.isEmpty()) continue;
      painter.drawImage(box.topLeft(),
                        art::picture(image->Picture, box.size(), devicePixelRatioF()));
    } else if (auto* label = dynamic_cast<const TLabel*>(c)) {
      const TFont font = label->EffectiveFont();
      painter.setFont(toQFont(font));
      painter.setPen(toQColor(font.Color));
      int flags = Qt::AlignTop | toQAlignment(label->Alignment);
      if (label->WordWrap) flags |= Qt::TextWordWrap;
      painter.save();
      painter.setClipRect(covers);
      painter.drawText(covers, flags, toQString(label->Caption()));
      painter.restore();
    }
  }
}

void Canvas::feed(MouseAction action, QMouseEvent* event, TShiftState extra) {
  const QPoint p = event->position().toPoint();
  TMouseButton button = TMouseButton::mbLeft;
  if (action != MouseAction::Move) {
    const auto b = toMouseButton(event->button());
    if (!b) return;  // buttons the game knows nothing of
    button = *b;
  }
  form_.DispatchMouse(action, button, toShiftState(event->modifiers(), event->buttons()) | extra,
                      p.x(), p.y());
}

void Canvas::mousePressEvent(QMouseEvent* event) { feed(MouseAction::Down, event); }
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
  feed(MouseAction::Down, event, TShiftState(ssDouble));
}
void Canvas::mouseMoveEvent(QMouseEvent* event) { feed(MouseAction::Move, event); }
void Canvas::mouseReleaseEvent(QMouseEvent* event) { feed(MouseAction::Up, event); }

FormWindow::FormWindow(TForm& form)
    : form_(form), scroll_(new QScrollArea(this)), canvas_(new Canvas(form)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes round the controls only
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(canvas_);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides: the main window ends the program, a modal one ends its show.
  event->ignore();
  form_.CloseRequested();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      form_.DialogKeyPressed(DialogKey::Enter);
      break;
    case Qt::Key_Escape:
      form_.DialogKeyPressed(DialogKey::Escape);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

QtFormPeer::QtFormPeer(TForm& form) : form_(form), window_(std::make_unique<FormWindow>(form)) {
  Sync();
}

QtFormPeer::~QtFormPeer() {
  if (modalLoop_) modalLoop_->quit();
}

void QtFormPeer::Sync() {
  window_->setWindowTitle(toQString(form_.Caption()));
  if (!form_.Icon.empty()) window_->setWindowIcon(art::applicationIcon());
  const QColor face = toQColor(form_.Color);
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, face);
  window_->setPalette(palette);
  if (form_.Font) window_->setFont(toQFont(*form_.Font));
  const TRect bounds = form_.BoundsRect();
  if (bounds != appliedBounds_) {
    appliedBounds_ = bounds;
    // The layer keeps the outer size; the frame is the desktop's to draw.
    window_->resize(form_.ClientWidth(), form_.ClientHeight());
    window_->move(form_.Left(), form_.Top());
  }
}

void QtFormPeer::SetFocus() { window_->activateWindow(); }

void QtFormPeer::Invalidate(const TRect& clientRect) {
  window_->canvas()->update(toQRect(clientRect));
}

void QtFormPeer::ExtentChanged() {
  const TSize extent = form_.ContentExtent();
  window_->canvas()->setMinimumSize(extent.width, extent.height);
}

void QtFormPeer::Show() {
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtFormPeer::Hide() { window_->hide(); }

void QtFormPeer::RunModal() {
  QEventLoop loop;
  modalLoop_ = &loop;
  window_->setWindowModality(Qt::ApplicationModal);
  Show();
  loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
}

void QtFormPeer::EndModal() {
  if (modalLoop_) modalLoop_->quit();
}

}  // namespace forms::qt
