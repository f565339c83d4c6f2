// The undo history over the core windows: every kind of change undone and redone gives back
// the saved file byte for byte, the modified flag follows the save point, and moves merge.
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "document/ProjectFile.h"
#include "qt/DesignHistory.h"
#include "support/CoreProgram.h"
#include "surface/Arrange.h"
#include "surface/DesignSurface.h"

namespace korvane::testing {

struct History : CoreProgram {
    History() : history(form), surface(form, &main) {}
    void Insert(std::initializer_list<const char*> tags) {
        for (const char* tag : tags) form.editor.InsertFromMenuBar(tag);
    }
    void Show(const std::string& name) {
        main.componentList.ListIndex = main.componentList.FindName(name);
        main.ComponentListClicked();
    }
    std::string File() const { return ProjectFileText(form.doc); }
    // A left drag of a box by (dx, dy) twips, pressed at its top-left corner.
    void Drag(int slot, float dx, float dy, int shift = 0) {
        surface.ComponentMouseDown(slot, kLeftButton, shift, 0, 0);
        surface.ComponentMouseMove(slot, kLeftButton, shift, dx, dy);
        surface.ComponentMouseUp(slot, kLeftButton, shift, dx, dy);
        surface.ComponentClick(slot);
    }
    QUndoStack& Stack() { return history.Stack(); }
    std::string Path() const { return folder.filePath("design.dat").toStdString(); }

    QTemporaryDir folder;
    DesignHistory history;
    DesignSurface surface;
};

class UndoHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void everyKindOfChangeUndoesToTheSameFileAndRedoesToTheChangedOne() {
        struct Case {
            const char* name;
            const char* undoText;
            std::function<void(History&)> change;
        };
        const std::vector<Case> cases = {
            {"insert", "Insert textarea_1", [](History& h) { h.Insert({"TextArea"}); }},
            {"delete", "Delete button_1",
             [](History& h) {
                 h.Show("button_1");
                 h.form.editor.DeleteSelection();
             }},
            {"delete several", "Delete 2 components",
             [](History& h) {
                 h.form.selection.SelectSlots({1, 3});
                 h.form.editor.DeleteSelection();
             }},
            {"move", "Move label_1", [](History& h) { h.Drag(1, 250, 370); }},
            {"move a group", "Move 3 components",
             [](History& h) {
                 h.form.selection.SelectAll();
                 h.Drag(2, 130, 0);
             }},
            {"resize", "Resize list_1",
             [](History& h) {
                 h.Show("list_1");
                 h.surface.HandleMouseDown(4, kLeftButton, 0, 45, 45);
                 h.surface.HandleMouseMove(4, kLeftButton, 0, 45 + 400, 45 + 240);
                 h.surface.HandleMouseUp(4, kLeftButton, 0, 45 + 400, 45 + 240);
             }},
            {"rename", "Rename button_1",
             [](History& h) {
                 h.Show("button_1");
                 h.main.inspector.NameBox.Text = "okButton";
                 h.main.inspector.ValidateName();
             }},
            {"kind", "Change Type of label_1",
             [](History& h) {
                 h.Show("label_1");
                 Inspector& ins = h.main.inspector;
                 ins.TypeList.ListIndex = ins.TypeList.Find("JButton");
                 ins.TypeChosen();
             }},
            {"value typed", "Edit Value of list_1",
             [](History& h) {
                 h.Show("list_1");
                 for (const char* text : {"a", "a|b", "a|b|c"}) {
                     h.main.inspector.ValueBox.Text = text;
                     h.main.inspector.ValueChanged();
                 }
             }},
            {"tab order with renumbering", "Change Tab Order of list_1",
             [](History& h) {
                 h.Show("list_1");
                 h.main.inspector.TabOrderBox.Text = "1";
                 h.main.inspector.ValidateTabOrder();
             }},
            {"events and popup", "Edit Events of button_1",
             [](History& h) {
                 DesignChange change("Edit Events of button_1");
                 change.SetField(h.form.doc, 2, SlotField::Events, "actionPerformed()");
                 change.SetField(h.form.doc, 2, SlotField::Popup, "Frame,f1,mouseClicked()");
                 h.form.editor.Record(std::move(change));
             }},
            {"window size and font", "Window Size & Font",
             [](History& h) {
                 DocumentSettings s = DocumentSettings::Capture(h.form.doc);
                 s.FontName = "Dialog";
                 s.FontSize = 14;
                 s.OuterWidth = 7000;
                 s.WindowWidth = 453;
                 DesignChange change("Window Size & Font");
                 change.SetSettings(h.form.doc, s);
                 h.form.editor.Record(std::move(change));
             }},
        };
        for (const Case& c : cases) {
            History h;
            h.Insert({"Label", "CommandButton", "ListBox"});
            QVERIFY(h.form.SavePath(h.Path()));
            const std::string saved = h.File();
            c.change(h);
            const std::string changed = h.File();
            QVERIFY2(changed != saved, c.name);
            QVERIFY2(h.form.Modified(), c.name);
            QCOMPARE(h.Stack().undoText(), QString(c.undoText));
            h.Stack().undo();
            QVERIFY2(h.File() == saved, c.name);
            QVERIFY2(!h.form.Modified(), c.name);
            h.Stack().redo();
            QVERIFY2(h.File() == changed, c.name);
            QVERIFY2(h.form.Modified(), c.name);
            h.Stack().undo();
            QVERIFY2(h.File() == saved, c.name);
        }
    }

    void anUndoneDeleteBringsBackEverythingOfTheComponent() {
        History h;
        h.Insert({"Label", "CommandButton"});
        h.form.doc.MutableSlot(2).ComponentEvents = "actionPerformed()";
        h.Show("button_1");
        h.form.editor.DeleteSelection();
        h.Insert({"CommandButton"});  // button_2: button_1 stays reserved
        QCOMPARE(h.form.doc.Slot(3).ComponentName, std::string("button_2"));
        h.Stack().undo();
        h.Stack().undo();
        QCOMPARE(h.form.doc.SlotCount(), 2);
        QVERIFY(h.form.doc.IsLive(2));
        QCOMPARE(h.form.doc.Slot(2).ComponentTabOrder, std::string("2"));
        QCOMPARE(h.form.doc.Slot(2).ComponentEvents, std::string("actionPerformed()"));
        QCOMPARE(h.form.doc.ActiveSlot, 2);
        QCOMPARE(h.main.componentList.ListCount(), 2);
        // The undone insertion freed its name and tab order again.
        h.Insert({"CommandButton"});
        QCOMPARE(h.form.doc.Slot(3).ComponentName, std::string("button_2"));
        QCOMPARE(h.form.doc.Slot(3).ComponentTabOrder, std::string("3"));
    }

    void theModifiedFlagFollowsTheSavePoint() {
        History h;
        h.Insert({"Label"});
        QVERIFY(h.form.SavePath(h.Path()));
        h.Insert({"Label"});
        QVERIFY(h.form.Modified());
        const std::vector<std::pair<bool, bool>> steps = {// (undo?, modified afterwards)
                                                          {true, false},
                                                          {true, true},
                                                          {false, false},
                                                          {false, true}};
        for (auto [undo, modified] : steps) {
            undo ? h.Stack().undo() : h.Stack().redo();
            QCOMPARE(h.form.Modified(), modified);
        }
        // A new change after undoing past the save point cannot come back to it.
        h.Stack().undo();
        h.Stack().undo();
        h.Insert({"TextBox"});
        QVERIFY(h.form.Modified());
        QVERIFY(!h.Stack().canRedo());
    }

    void newOpenAndCloseStartAFreshHistory() {
        History h;
        h.Insert({"Label"});
        QVERIFY(h.form.SavePath(h.Path()));
        h.Insert({"Label"});
        h.messages.answers = {MessageResult::Yes};
        h.form.FileNew();
        QCOMPARE(h.Stack().count(), 0);
        h.Insert({"Label"});
        QVERIFY(h.form.OpenPath(h.Path()));
        QCOMPARE(h.Stack().count(), 0);
        QVERIFY(!h.form.Modified());
        h.Insert({"Label"});
        h.messages.answers = {MessageResult::No};
        QVERIFY(h.form.QueryClose());
        QCOMPARE(h.Stack().count(), 0);
    }

    void oneDragIsOneStepAndARunOfNudgesMerges() {
        History h;
        h.Insert({"Label"});
        h.Drag(1, 500, 0);
        QCOMPARE(h.Stack().count(), 2);
        h.Stack().undo();
        QCOMPARE(h.form.doc.Slot(1).Left, 120.f);
        // Arrow-key moves in a row are one step, and undoing it undoes all of them.
        QVERIFY(Nudge(h.form, kKeyRight, 0));
        QVERIFY(Nudge(h.form, kKeyRight, 0));
        QCOMPARE(h.Stack().count(), 2);
        h.Stack().undo();
        QCOMPARE(h.form.doc.Slot(1).Left, 120.f);
    }

  private:
};

}  // namespace korvane::testing

QTEST_GUILESS_MAIN(korvane::testing::UndoHistoryTest)
#include "UndoHistoryTest.moc"
