#pragma once

#include "gui/platform/GuiDialogs.h"

class QWidget;

// The real dialogs: Qt message boxes, directory, file and print dialogs, modal to the active window.
class QtDialogs final : public GuiDialogs {
public:
    MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<QString> chooseDirectory(const QString &startDir) override;
    bool choosePrinter(QPrinter &printer) override;
    std::optional<QString> chooseFileToOpen(const QString &title, const QString &directory,
                                            const QString &filter) override;
    std::optional<QString> chooseFileToSave(const QString &title, const QString &suggested,
                                            const QString &filter) override;
};
