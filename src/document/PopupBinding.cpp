#include "document/PopupBinding.h"

#include <array>
#include <vector>

#include "platform/Text.h"

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

namespace {

bool Chosen(std::string_view field) {
    return !field.empty() && field != kNoPopupField;
}

}  // namespace

std::string MissingPopupFields(const PopupBinding& binding) {
    std::vector<std::string_view> missing;
    if (!Chosen(binding.kind)) missing.push_back("a window kind");
    if (binding.className.empty()) missing.push_back("its class");
    if (!Chosen(binding.trigger)) missing.push_back("an event");
    return JoinedAsList(missing);
}

bool HoldsPopupChoice(std::string_view text) {
    const PopupBinding binding = PopupBinding::Read(text);
    return Chosen(binding.kind) || !binding.className.empty() || Chosen(binding.trigger);
}

}  // namespace korvane
