// A document window without a screen, for the command line: messages are collected instead
// of shown, and there are no file dialogs.
#pragma once

#include <iostream>
#include <string>
#include <vector>

#include "document/Form1.h"

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
        form.Form_Load();
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
    Form1 form{messages, dialogs};
};

}  // namespace korvane::cli
