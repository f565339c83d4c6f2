// Copy and paste as project-file text: naming, tab orders, places, kept fields, refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/Clipboard.h"
#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"

namespace korvane {
namespace {

struct Design {
    Design() : form(messages, dialogs), main(form) {
        main.Load();
        form.SetMainWindow(&main);
        form.Load();
    }
    void Insert(std::initializer_list<const char*> tags) {
        for (const char* tag : tags) form.editor.InsertFromMenuBar(tag);
    }
    const ComponentRecord& Slot(int i) const { return form.doc.Slot(i); }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialog dialogs;
    DocumentController form;
    MainController main;
};

TEST(ClipboardTest, CopiedTextIsProjectFileSections) {
    Design d;
    d.Insert({"Label", "CommandButton"});
    d.form.selection.SelectSlots({2});
    const std::string text = CopyText(d.form);
    EXPECT_NE(text.find("[1]\r\nName=button_1\r\nType=Button\r\n"), std::string::npos);
    EXPECT_EQ(text.find("label_1"), std::string::npos);
    d.form.selection.SelectNone();
    EXPECT_EQ(CopyText(d.form), "");
}

TEST(ClipboardTest, PastedComponentsGetFreeNamesLaterTabOrdersAndKeepTheirFields) {
    Design d;
    d.Insert({"Label", "CommandButton", "ListBox"});
    d.form.doc.MutableSlot(2).ComponentEvents = "actionPerformed()";
    d.form.doc.MutableSlot(2).ComponentPopup = "Frame,f1,mouseClicked()";
    d.form.doc.MutableSlot(3).ComponentValue = "a|b";
    // Copy button_1 (tab 2) and list_1 (tab 3), then set their tab orders the other way.
    d.form.selection.SelectSlots({2, 3});
    std::string text = CopyText(d.form);
    d.form.doc.SetTabOrder(1, "7");
    d.form.History().MarkSaved();

    ASSERT_EQ(PasteText(d.form, text), 2);
    EXPECT_EQ(d.form.doc.SlotCount(), 5);
    struct Expect {
        int slot;
        const char* name;
        const char* order;
    };
    for (Expect e : {Expect{4, "button_2", "8"}, Expect{5, "list_2", "9"}}) {
        EXPECT_EQ(d.Slot(e.slot).ComponentName, e.name);
        EXPECT_EQ(d.Slot(e.slot).ComponentTabOrder, e.order);
    }
    EXPECT_EQ(d.Slot(4).ComponentEvents, "actionPerformed()");
    EXPECT_EQ(d.Slot(4).ComponentPopup, "Frame,f1,mouseClicked()");
    EXPECT_EQ(d.Slot(5).ComponentValue, "a|b");
    // One grid step right of and below the originals.
    EXPECT_EQ(d.Slot(4).Left, d.Slot(2).Left + 120);
    EXPECT_EQ(d.Slot(4).Top, d.Slot(2).Top + 120);
    EXPECT_EQ(d.Slot(4).Width, d.Slot(2).Width);
    EXPECT_EQ(d.form.selection.SelectedSlots(), (std::vector<int>{4, 5}));
    EXPECT_EQ(d.main.componentList.ListCount(), 5);
    EXPECT_TRUE(d.form.Modified());

    // A name that is free (the original was deleted and renamed) is kept.
    d.form.selection.SelectSlots({1});
    text = CopyText(d.form);
    d.form.editor.DeleteSelection();
    d.form.doc.SetName(1, "gone");
    ASSERT_EQ(PasteText(d.form, text), 1);
    EXPECT_EQ(d.Slot(6).ComponentName, "label_1");
}

TEST(ClipboardTest, TextWithoutComponentsOrTooManyIsRefusedAndChangesNothing) {
    Design d;
    d.Insert({"Label"});
    d.form.History().MarkSaved();
    for (const char* foreign : {"", "hello world", "[Main]\r\nSizeX=300\r\n", "Name=label_1"}) {
        d.messages.shown.clear();
        EXPECT_EQ(PasteText(d.form, foreign), 0) << foreign;
        ASSERT_EQ(d.messages.shown.size(), 1u);
        EXPECT_EQ(d.messages.shown[0].title, "Paste");
        EXPECT_EQ(d.form.doc.SlotCount(), 1);
        EXPECT_FALSE(d.form.Modified());
    }
    // Pasting past the slot limit adds none of them.
    d.form.selection.SelectSlots({1});
    const std::string text = CopyText(d.form);
    while (d.form.doc.SlotCount() < kMaxSlots) {
        ComponentRecord r;
        r.ComponentName = "c" + std::to_string(d.form.doc.SlotCount());
        r.ComponentType = "Label";
        d.form.doc.AppendSlot(std::move(r));
    }
    d.messages.shown.clear();
    EXPECT_EQ(PasteText(d.form, text), 0);
    EXPECT_EQ(d.form.doc.SlotCount(), kMaxSlots);
    EXPECT_EQ(d.messages.shown.size(), 1u);
}

}  // namespace
}  // namespace korvane
