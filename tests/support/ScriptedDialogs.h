#pragma once

#include "core/platform/GuiDialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Dialogs for tests: every message box is recorded and answered from a script
// (OK, or Yes for a Yes/No box, when the script is empty).
class ScriptedDialogs : public GuiDialogs {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<QString> chooseDirectory(const QString &startDir) override;
    bool choosePrinter(QPrinter &printer) override;

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    std::deque<QString> directories; // an empty text answers with cancel
    std::deque<bool> printerAnswers;
    // Called with the printer when the print dialog is confirmed, as the operator's choices would
    // set it up (a PDF file, for instance).
    std::function<void(QPrinter &)> onPrinterChosen;
    int printerDialogs = 0;

    QStringList texts() const;
};
