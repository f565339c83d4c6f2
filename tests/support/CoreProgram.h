// The program's core windows started as the program starts them, with scripted services.
#pragma once

#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"

namespace korvane::testing {

struct CoreProgram {
    CoreProgram() : form(messages, dialogs), main(form) {
        main.Load();
        form.SetMainWindow(&main);
        form.Load();
    }
    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form;
    MainController main;
};

}  // namespace korvane::testing
