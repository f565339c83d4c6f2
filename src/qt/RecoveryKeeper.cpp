#include "qt/RecoveryKeeper.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/FileSystem.h"
#include "qt/DesignHistory.h"
#include "qt/MainWindow.h"

namespace korvane {

// Writes and removals of one recovery file, carried out in order on a thread of their own so
// that a slow disk never holds up the user-interface thread. Only the latest wish counts: a
// text not yet written when a newer one comes is never written.
class RecoveryWriter {
  public:
    explicit RecoveryWriter(std::string path)
        : path_(std::move(path)), thread_([this] { Run(); }) {}
    // Carries out the last wish, then ends the thread.
    ~RecoveryWriter() {
        {
            std::lock_guard<std::mutex> hold(mutex_);
            stop_ = true;
        }
        wished_.notify_all();
        thread_.join();
    }

    void Write(std::string text) { Wish(std::move(text)); }
    void Remove() { Wish(std::nullopt); }
    // Returns once every wish so far is carried out.
    void Wait() {
        std::unique_lock<std::mutex> hold(mutex_);
        done_.wait(hold, [this] { return doneWishes_ == wishes_; });
    }

  private:
    void Wish(std::optional<std::string> text) {
        {
            std::lock_guard<std::mutex> hold(mutex_);
            text_ = std::move(text);
            ++wishes_;
        }
        wished_.notify_all();
    }

    void Run() {
        std::unique_lock<std::mutex> hold(mutex_);
        while (true) {
            wished_.wait(hold, [this] { return stop_ || doneWishes_ != wishes_; });
            if (doneWishes_ == wishes_) return;
            const std::optional<std::string> text = std::move(text_);
            text_.reset();
            const uint64_t wish = wishes_;
            hold.unlock();
            CarryOut(text);
            hold.lock();
            doneWishes_ = wish;
            done_.notify_all();
        }
    }

    void CarryOut(const std::optional<std::string>& text) {
        if (!text) {
            RealFileSystem().Remove(path_);
            return;
        }
        std::string error;
        // Said once: the design itself is untouched, only its safety copy is missing.
        if (!WriteFileAtomically(path_, *text, error) && !warned_) {
            warned_ = true;
            std::fprintf(stderr, "korvane: unsaved changes cannot be kept for recovery in %s: %s\n",
                         path_.c_str(), error.c_str());
        }
    }

    const std::string path_;
    std::mutex mutex_;
    std::condition_variable wished_, done_;
    std::optional<std::string> text_;
    uint64_t wishes_ = 0, doneWishes_ = 0;
    bool stop_ = false;
    bool warned_ = false;
    std::thread thread_;  // last: it starts once everything above is there
};

QString RecoveryKeeper::DefaultFolder() {
    return QString::fromStdString(
        RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
}

RecoveryKeeper::RecoveryKeeper(MainWindow& window, const QString& folder)
    : window_(window), files_(folder.toStdString()) {
    if (!files_.Ready()) {
        std::fprintf(stderr, "korvane: unsaved changes will not be kept for recovery: %s\n",
                     files_.Problem().c_str());
        return;
    }
    writer_ = std::make_unique<RecoveryWriter>(files_.DesignPath());
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteDue);
    // Every change of the design passes through its undo history; so do save (the clean
    // state), New, Open and close (a cleared history).
    QUndoStack& stack = window_.History()->Stack();
    connect(&stack, &QUndoStack::indexChanged, this, &RecoveryKeeper::DesignTouched);
    connect(&stack, &QUndoStack::cleanChanged, this, &RecoveryKeeper::DesignTouched);
}

RecoveryKeeper::~RecoveryKeeper() {
    if (!writer_) return;
    writer_->Remove();
    writer_.reset();
}

void RecoveryKeeper::DesignTouched() {
    const DocumentController& form = window_.Document();
    if (!form.Loaded() || !form.Modified()) {
        timer_.stop();
        schedule_.Written();
        writer_->Remove();
        return;
    }
    const auto now = RecoverySchedule::Clock::now();
    const auto due = schedule_.Changed(now);
    timer_.start(std::chrono::ceil<std::chrono::milliseconds>(due - now));
}

void RecoveryKeeper::WriteDue() {
    schedule_.Written();
    const DocumentController& form = window_.Document();
    if (form.Loaded() && form.Modified()) writer_->Write(RecoveryText(form.doc));
}

void RecoveryKeeper::WriteNow() {
    if (!writer_) return;
    if (schedule_.Pending()) {
        timer_.stop();
        WriteDue();
    }
    writer_->Wait();
}

void RecoveryKeeper::OfferLeftovers() {
    if (!files_.Ready()) return;
    for (const LeftRecovery& left : files_.Leftovers()) {
        // Claimed while asked about, so that a program starting meanwhile leaves it alone.
        OwnerLock claim;
        std::string error;
        if (!claim.Take(left.lock, error)) continue;
        const Answer answer = AskAbout(left);
        if (answer == Answer::Later || (answer == Answer::Restore && !Restore(left))) continue;
        RealFileSystem().Remove(left.design);
        claim.RemoveFile();
        // One design is open at a time: the others wait for the next start.
        if (answer == Answer::Restore) return;
    }
}

RecoveryKeeper::Answer RecoveryKeeper::AskAbout(const LeftRecovery& left) {
    const QString design = left.fileName.empty()
                               ? QString("a design never saved")
                               : "the design \"" + QString::fromStdString(left.fileName) + "\"";
    const QDateTime written = QFileInfo(QString::fromStdString(left.design)).lastModified();
    const QString kept = QLocale().toString(written, QLocale::ShortFormat);
    QMessageBox ask(QMessageBox::Warning, "Recover Design",
                    "Korvane ended without saving the changes to " + design +
                        ". They were kept on " + kept + ".\n\nRestore them, or discard them?",
                    QMessageBox::NoButton, &window_);
    if (!left.filePath.empty())
        ask.setInformativeText("Its file: " + QString::fromStdString(left.filePath));
    QPushButton* restore = ask.addButton("&Restore", QMessageBox::AcceptRole);
    QPushButton* discard = ask.addButton("&Discard", QMessageBox::DestructiveRole);
    ask.setDefaultButton(restore);
    ask.setEscapeButton(ask.addButton("&Later", QMessageBox::RejectRole));
    ask.exec();
    if (ask.clickedButton() == restore) return Answer::Restore;
    return ask.clickedButton() == discard ? Answer::Discard : Answer::Later;
}

bool RecoveryKeeper::Restore(const LeftRecovery& left) {
    DocumentController& form = window_.Document();
    if (!form.Loaded()) window_.Main().MenuNew();
    if (!RestoreRecovery(form, left)) return false;
    // Undo never reaches a state that matches the file: the restored design does not.
    window_.History()->Stack().resetClean();
    window_.Sync();
    // Kept as this program's own before the copy it came from goes.
    schedule_.Changed(RecoverySchedule::Clock::now());
    WriteNow();
    return true;
}

}  // namespace korvane
