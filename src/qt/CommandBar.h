// The command bar along the top of the main window: New, Open, Save, the target-kind button
// with its drop-down, Generate Code, and the hidden second row of kind buttons.
#pragma once

#include <QWidget>
#include <array>

class QMenu;
class QPushButton;
class QToolButton;

namespace korvane {

class MainController;

class CommandBar : public QWidget {
    Q_OBJECT
  public:
    CommandBar(MainController& main, QMenu* menuGenerateType, QWidget* parent = nullptr);

    // Shows the selector's caption and the pressed kind button.
    void Sync();
    QPushButton* TargetButton() const { return target_; }
    // Opens menuGenerateType under the target button; returns when it closed.
    void TargetButtonClicked();

  signals:
    void newRequested();
    void openRequested();
    void saveRequested();
    void generateRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QToolButton* AddImageButton(std::string_view name, const QIcon& icon);

    MainController& main_;
    QMenu* menu_;
    QPushButton* target_ = nullptr;
    std::array<QToolButton*, 4> kindButtons_{};
};

// The Generate Code button's picture: braces, drawn.
QIcon GenerateCodeIcon();

}  // namespace korvane
