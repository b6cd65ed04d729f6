#pragma once

#include "core/platform/Dialogs.h"

#include <optional>

class QPrinter;

// The dialogs of the windows: those of the logic, plus the choice of a printer and of files.
class GuiDialogs : public Dialogs {
public:
    // Shows the printer selection dialog for printer; true when the user confirmed it.
    virtual bool choosePrinter(QPrinter &printer) = 0;

    // Lets the user pick an existing file to open, starting in directory; filter as Qt's file
    // dialogs take it ("Logi (*.csv);;Wszystkie pliki (*)"). nullopt on cancel.
    virtual std::optional<QString> chooseFileToOpen(const QString &title, const QString &directory,
                                                    const QString &filter) = 0;

    // Lets the user name a file to save to, proposing suggested; nullopt on cancel.
    virtual std::optional<QString> chooseFileToSave(const QString &title, const QString &suggested,
                                                    const QString &filter) = 0;
};
