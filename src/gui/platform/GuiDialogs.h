#pragma once

#include "core/platform/Dialogs.h"

class QPrinter;

// The dialogs of the windows: those of the logic, plus the choice of a printer.
class GuiDialogs : public Dialogs {
public:
    // Shows the printer selection dialog for printer; true when the user confirmed it.
    virtual bool choosePrinter(QPrinter &printer) = 0;
};
