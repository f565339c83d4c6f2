// The preview's pane at the foot of the main window: what the preview is doing (with a busy
// bar while javac compiles), a button that ends it, and what the compiler or the running
// window writes to its standard output and error, its last lines.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace korvane {

class PreviewRunner;

class PreviewPane : public QWidget {
    Q_OBJECT
  public:
    PreviewPane(PreviewRunner& runner, QWidget* parent = nullptr);

    // A new preview of this class and target: the pane starts afresh with the warnings of its
    // generation and the window classes that have stand-ins.
    void Begin(const QString& className, const QString& target, const QStringList& notes);

    QLabel* Status() const { return status_; }
    QProgressBar* Busy() const { return busy_; }
    QPlainTextEdit* Output() const { return output_; }

  private:
    void ShowOutput();
    void SetStatus(const QString& text, bool busy);

    PreviewRunner& runner_;
    QLabel* status_;
    QProgressBar* busy_;
    QPushButton* stop_;
    QPlainTextEdit* output_;
    QTimer* refresh_;
    QString notes_;
    QString className_;
};

}  // namespace korvane
