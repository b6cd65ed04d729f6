#pragma once

#include "gui/platform/GuiDialogs.h"
#include "support/core/ScriptedDialogs.h"

#include <deque>
#include <functional>

// The dialogs of the windows for tests: scripted message boxes and directories, a printer dialog
// answered from a script (cancelled when the script is empty), and file choices from scripts
// (cancelled when empty, or by an empty text), each noting where it was asked to start.
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

    std::optional<QString> chooseFileToOpen(const QString &, const QString &directory, const QString &) override
    {
        openStartedIn << directory;
        return next(filesToOpen);
    }

    std::optional<QString> chooseFileToSave(const QString &, const QString &suggested, const QString &) override
    {
        saveSuggestions << suggested;
        return next(filesToSave);
    }

    std::deque<bool> printerAnswers;
    // Called with the printer when the print dialog is confirmed, as the operator's choices would
    // set it up (a PDF file, for instance).
    std::function<void(QPrinter &)> onPrinterChosen;
    int printerDialogs = 0;

    std::deque<QString> filesToOpen;
    QStringList openStartedIn;
    std::deque<QString> filesToSave;
    QStringList saveSuggestions;

private:
    static std::optional<QString> next(std::deque<QString> &script)
    {
        if (script.empty() || script.front().isEmpty()) {
            if (!script.empty())
                script.pop_front();
            return std::nullopt;
        }
        QString answer = script.front();
        script.pop_front();
        return answer;
    }
};
