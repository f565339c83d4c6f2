// Scripted stand-ins for the message box and the file dialogs: they record what was shown
// and answer from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

namespace korvane::testing {

class ScriptedMessageBox : public MessageBoxService {
  public:
    MessageResult Show(const MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty())
            return request.buttons == MessageButtons::Ok ? MessageResult::Ok
                                                         : MessageResult::Cancel;
        MessageResult a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const MessageRequest& r : shown) t.push_back(r.text);
        return t;
    }
    std::deque<MessageResult> answers;
    std::vector<MessageRequest> shown;
};

class ScriptedFileDialog : public FileDialogService {
  public:
    FileDialogAnswer Show(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (paths.empty()) return {};
        FileDialogAnswer a{paths.front(), request.filterIndex};
        paths.pop_front();
        return a;
    }
    std::deque<std::string> paths;  // "" = cancel
    std::vector<FileDialogRequest> requests;
};

}  // namespace korvane::testing
