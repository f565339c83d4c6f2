// The program's core windows started as the program starts them, with scripted services.
#pragma once

#include "mainwindow/MDIForm1.h"
#include "support/ScriptedServices.h"

namespace korvane::testing {

struct CoreProgram {
    CoreProgram() : form(messages, dialogs), main(form) {
        main.MDIForm_Load();
        form.SetMainWindow(&main);
        form.Form_Load();
    }
    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    Form1 form;
    MDIForm1 main;
};

}  // namespace korvane::testing
