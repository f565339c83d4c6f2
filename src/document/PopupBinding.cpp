#include "document/PopupBinding.h"

#include <array>

namespace korvane {

PopupBinding PopupBinding::Read(std::string_view text) {
    std::array<std::string_view, 3> fields;
    size_t start = 0;
    for (std::string_view& field : fields) {
        if (start > text.size()) break;
        size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        field = text.substr(start, end - start);
        start = end + 1;
    }
    return {fields[0], fields[1], fields[2]};
}

std::string PopupBinding::Text() const {
    std::string text;
    text.reserve(kind.size() + className.size() + trigger.size() + 2);
    text.append(kind).append(1, ',').append(className).append(1, ',').append(trigger);
    return text;
}

bool IsPopupBinding(std::string_view text) {
    // Three fields need two commas.
    const size_t firstComma = text.find(',');
    if (firstComma == std::string_view::npos ||
        text.find(',', firstComma + 1) == std::string_view::npos)
        return false;
    const PopupBinding binding = PopupBinding::Read(text);
    return binding.kind != kNoPopupField && !binding.className.empty() &&
           binding.trigger != kNoPopupField;
}

}  // namespace korvane
