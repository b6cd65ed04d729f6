#pragma once

#include "gui/platform/GuiDialogs.h"
#include "support/core/ScriptedDialogs.h"

#include <deque>
#include <functional>

// The dialogs of the windows for tests: scripted message boxes and directories, and a printer
// dialog answered from a script (cancelled when the script is empty).
class ScriptedGuiDialogs final : public ScriptedDialogsOn<GuiDialogs> {
public:
    bool choosePrinter(QPrinter &printer) override
    {
        ++printerDialogs;
        if (printerAnswers.empty())
            return false;
        const bool answer = printerAnswers.front();
        printerAnswers.pop_front();
        if (answer && onPrinterChosen)
            onPrinterChosen(printer);
        return answer;
    }

    std::deque<bool> printerAnswers;
    // Called with the printer when the print dialog is confirmed, as the operator's choices would
    // set it up (a PDF file, for instance).
    std::function<void(QPrinter &)> onPrinterChosen;
    int printerDialogs = 0;
};
