// Modal message boxes: a text, a title, an icon and buttons; the answer is the button chosen.
#pragma once

#include <string>

namespace korvane {

enum class MessageIcon { None, Warning, Information, Critical, Question };
// ReplaceCancel answers Yes for Replace.
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel, ReplaceCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 1;  // 1-based, in the order of the buttons above
};

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual MessageResult Show(const MessageRequest& request) = 0;
};

// A warning with an OK button, the common form of a refused input.
inline MessageRequest Warning(std::string text, std::string title) {
    return MessageRequest{std::move(text), std::move(title), MessageIcon::Warning,
                          MessageButtons::Ok, 1};
}

}  // namespace korvane
