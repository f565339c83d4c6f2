#include "qt/PreviewPane.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/PreviewRunner.h"

namespace korvane {
namespace {

// Output is shown again at most this often while it comes: a program may write without end.
constexpr int kRefreshMs = 200;

}  // namespace

PreviewPane::PreviewPane(PreviewRunner& runner, QWidget* parent)
    : QWidget(parent),
      runner_(runner),
      status_(new QLabel(this)),
      busy_(new QProgressBar(this)),
      stop_(new QPushButton("&Stop", this)),
      output_(new QPlainTextEdit(this)),
      refresh_(new QTimer(this)) {
    setObjectName("PreviewPane");
    status_->setObjectName("PreviewStatus");
    busy_->setObjectName("PreviewBusy");
    busy_->setRange(0, 0);  // busy, without a measure of how far
    busy_->setMaximumWidth(120);
    busy_->setTextVisible(false);
    stop_->setObjectName("PreviewStop");
    output_->setObjectName("PreviewOutput");
    output_->setReadOnly(true);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    refresh_->setSingleShot(true);
    refresh_->setInterval(kRefreshMs);

    auto* top = new QHBoxLayout;
    top->addWidget(status_, 1);
    top->addWidget(busy_);
    top->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(top);
    layout->addWidget(output_);
    SetStatus("Build > Preview (Ctrl+R) compiles the design and runs it.", false);

    connect(stop_, &QPushButton::clicked, this, [this] {
        runner_.Stop();
        SetStatus("The preview was stopped.", false);
    });
    connect(refresh_, &QTimer::timeout, this, &PreviewPane::ShowOutput);
    connect(&runner_, &PreviewRunner::outputChanged, this, [this] {
        if (!refresh_->isActive()) refresh_->start();
    });
    connect(&runner_, &PreviewRunner::compiling, this,
            [this] { SetStatus("Compiling " + className_ + ".java with javac...", true); });
    connect(&runner_, &PreviewRunner::started, this, [this] {
        SetStatus("Running " + className_ + ": close its window, or press Stop, to end it.", false);
        stop_->setEnabled(true);
    });
    connect(&runner_, &PreviewRunner::compileFailed, this, [this] {
        SetStatus("javac refused " + className_ + ".java: its messages are below.", false);
        ShowOutput();
    });
    connect(&runner_, &PreviewRunner::finished, this, [this](int exitCode) {
        SetStatus(exitCode == 0 ? "The preview ended."
                                : "The preview ended with an error (exit status " +
                                      QString::number(exitCode) + ").",
                  false);
        ShowOutput();
    });
}

void PreviewPane::Begin(const QString& className, const QString& target, const QStringList& notes) {
    className_ = className;
    notes_.clear();
    for (const QString& note : notes) notes_ += note + '\n';
    if (!notes_.isEmpty()) notes_ += '\n';
    SetStatus("Preparing " + className + " as a " + target + "...", true);
    output_->setPlainText(notes_);
}

void PreviewPane::SetStatus(const QString& text, bool busy) {
    status_->setText(text);
    busy_->setVisible(busy);
    stop_->setEnabled(runner_.Running());
}

void PreviewPane::ShowOutput() {
    refresh_->stop();
    output_->setPlainText(notes_ + runner_.OutputText());
    output_->verticalScrollBar()->setValue(output_->verticalScrollBar()->maximum());
}

}  // namespace korvane
