#include "document/DesignEdits.h"

#include <functional>
#include <utility>

#include "platform/Conversions.h"

namespace korvane {
namespace {

// The edit has been applied by `redo`; the history, if any, keeps both ways.
void Apply(Form1& form, std::string text, std::function<void()> undo, std::function<void()> redo) {
    redo();
    if (EditHistory* history = form.EditsHistory())
        history->Push(std::move(text), std::move(undo), std::move(redo));
}

void Changed(Form1& form) {
    form.doc.isModified = true;
    form.NotifyChanged();
}

// A component edit undone or redone shows that component again in the list and inspector.
void ShowComponent(Form1& form, int slot) {
    if (form.MainWindowLoaded() && form.doc.IsLive(slot)) form.Show_Data(slot);
}

void SetWindowFont(Form1& form, const WindowFont& s) {
    DesignDocument& doc = form.doc;
    doc.OuterWidth = PixelsToTwips(s.width) + kFrameWidth + kDesignMargin;
    doc.OuterHeight = PixelsToTwips(s.height) + kFrameHeight + kDesignMargin;
    doc.Window_Width = static_cast<float>(s.width);
    doc.Window_Height = static_cast<float>(s.height);
    doc.Font_Name = s.fontName;
    doc.Font_Style = s.fontStyle;
    doc.Font_Size = s.fontSize;
    Changed(form);
}

}  // namespace

WindowFont CurrentWindowFont(const DesignDocument& doc) {
    return WindowFont{static_cast<int>(RoundHalfEven(doc.Window_Width)),
                      static_cast<int>(RoundHalfEven(doc.Window_Height)), doc.Font_Name,
                      doc.Font_Style, doc.Font_Size};
}

void EditComponentEvents(Form1& form, int slot, std::string events) {
    if (!form.doc.IsSlot(slot) || form.doc.Slot(slot).ComponentEvents == events) return;
    auto set = [&form, slot](const std::string& value, bool show) {
        form.doc.MutableSlot(slot).ComponentEvents = value;
        Changed(form);
        if (show) ShowComponent(form, slot);
    };
    std::string old = form.doc.Slot(slot).ComponentEvents;
    bool first = true;
    Apply(
        form, "Events of " + form.doc.Slot(slot).ComponentName, [set, old] { set(old, true); },
        [set, events = std::move(events), first]() mutable {
            set(events, !first);
            first = false;
        });
}

void EditComponentPopup(Form1& form, int slot, std::string popup) {
    if (!form.doc.IsSlot(slot) || form.doc.Slot(slot).ComponentPopup == popup) return;
    auto set = [&form, slot](const std::string& value, bool show) {
        form.doc.MutableSlot(slot).ComponentPopup = value;
        Changed(form);
        if (show) ShowComponent(form, slot);
    };
    std::string old = form.doc.Slot(slot).ComponentPopup;
    bool first = true;
    Apply(
        form, "Popup of " + form.doc.Slot(slot).ComponentName, [set, old] { set(old, true); },
        [set, popup = std::move(popup), first]() mutable {
            set(popup, !first);
            first = false;
        });
}

void EditWindowFont(Form1& form, const WindowFont& settings) {
    const WindowFont old = CurrentWindowFont(form.doc);
    if (old == settings) return;
    Apply(
        form, "Window Size and Font", [&form, old] { SetWindowFont(form, old); },
        [&form, settings] { SetWindowFont(form, settings); });
}

void EditMenuElements(Form1& form, std::vector<MenuElement> elements) {
    if (elements.empty()) elements.resize(1);
    if (form.doc.MenuElements == elements) return;
    auto set = [&form](const std::vector<MenuElement>& value) {
        form.doc.MenuElements = value;
        Changed(form);
    };
    Apply(
        form, "Menu Bar", [set, old = form.doc.MenuElements] { set(old); },
        [set, elements = std::move(elements)] { set(elements); });
}

}  // namespace korvane
