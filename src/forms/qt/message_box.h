#pragma once
// The plain message box: caption, message, one OK button; modal and centred on the screen.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace forms::qt {

class MessageBox : public QDialog {
 public:
  MessageBox(const QString& title, const QString& text);
  QLabel* message() const { return message_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* message_;
  QPushButton* ok_;
};

}  // namespace forms::qt
