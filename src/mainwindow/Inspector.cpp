#include "mainwindow/Inspector.h"

#include "document/Form1.h"

namespace korvane {

void Inspector::Load(Form1& form) {
    MainWindowLink* main = form.MainWindow();
    if (!main) return;
    ComponentListBox& list = main->List1();
    if (list.ListIndex < 0 || list.ListIndex >= list.ListCount()) return;
    shownSlot = form.doc.SlotOfName(EntryName(list.List(list.ListIndex)));
}

}  // namespace korvane
