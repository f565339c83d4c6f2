// A document window without a screen, for the command line: messages are collected instead
// of shown, and there are no file dialogs.
#pragma once

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentController.h"

namespace korvane::cli {

class CollectingMessageBox : public MessageBoxService {
  public:
    MessageResult Show(const MessageRequest& request) override {
        messages.push_back(request.text);
        return request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    }
    std::vector<std::string> messages;
};

class NoFileDialog : public FileDialogService {
  public:
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

// A loaded document window and the services behind it.
struct HeadlessDocument {
    explicit HeadlessDocument(FileSystem& files = RealFileSystem()) {
        form.SetFileSystem(files);
        form.Load();
    }
    // Opens a project file as Open does; on failure prints the message and returns false.
    bool Open(const std::string& path) {
        if (form.OpenPath(path) && messages.messages.empty()) return true;
        PrintMessages();
        return false;
    }
    void PrintMessages() {
        for (const std::string& m : messages.messages) std::cerr << "korvane-gen: " << m << "\n";
        messages.messages.clear();
    }

    CollectingMessageBox messages;
    NoFileDialog dialogs;
    DocumentController form{messages, dialogs};
};

// Whether the program ends as soon as its command has run (korvane-gen's main says so). The
// command's document is then left to the system, which takes a design of 32767 components back
// at once at the exit, instead of being freed string by string.
inline bool& EndsAfterCommand() {
    static bool ends = false;
    return ends;
}

// The document of one command, kept on the heap so that it can outlive the command.
class CommandDocument {
  public:
    explicit CommandDocument(FileSystem& files)
        : document_(std::make_unique<HeadlessDocument>(files)) {}
    CommandDocument(const CommandDocument&) = delete;
    CommandDocument& operator=(const CommandDocument&) = delete;
    ~CommandDocument() {
        if (EndsAfterCommand()) leftToExit = document_.release();
    }
    HeadlessDocument& operator*() const { return *document_; }

  private:
    // Held here, a document left to the exit is still reachable then: no leak checker counts it.
    static inline HeadlessDocument* leftToExit = nullptr;
    std::unique_ptr<HeadlessDocument> document_;
};

}  // namespace korvane::cli
