// Message boxes shown as QMessageBox.
#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace korvane {

class QtMessageBox : public MessageBoxService {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageResult Show(const MessageRequest& request) override;

  private:
    QWidget* parent_;
};

}  // namespace korvane
