#pragma once
// A form's native window: a top-level widget whose client area scrolls a canvas that
// paints the windowless controls and feeds the mouse into the form's routing.

#include <QEventLoop>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>
#include <memory>

#include "forms/backend.h"
#include "forms/form.h"
#include "forms/qt/native.h"

namespace forms::qt {

class Canvas : public QWidget {
 public:
  explicit Canvas(TForm& form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void feed(MouseAction action, QMouseEvent* event, TShiftState extra = {});
  TForm& form_;
};

class FormWindow : public QWidget {
 public:
  explicit FormWindow(TForm& form);
  Canvas* canvas() const { return canvas_; }
  QScrollArea* scrollArea() const { return scroll_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TForm& form_;
  QScrollArea* scroll_;
  Canvas* canvas_;
};

class QtFormPeer : public FormPeer, public NativePeer {
 public:
  explicit QtFormPeer(TForm& form);
  ~QtFormPeer() override;

  void Sync() override;
  void SetFocus() override;
  void Invalidate(const TRect& clientRect) override;
  void ExtentChanged() override;
  void Show() override;
  void Hide() override;
  void RunModal() override;
  void EndModal() override;

  QWidget* childHost() override { return window_->canvas(); }
  QWidget* shown() override { return window_.get(); }

 private:
  TForm& form_;
  std::unique_ptr<FormWindow> window_;
  QPointer<QEventLoop> modalLoop_;
  TRect appliedBounds_{};
};

}  // namespace forms::qt
