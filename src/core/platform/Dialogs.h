#pragma once

#include <QString>

#include <optional>

enum class MessageIcon { None, Information, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No, Closed };

// Modal dialogs that the logic needs: message boxes and the choice of a directory.
// Printer choice lives with the windows, as it needs the printer object.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons) = 0;

    // Lets the user pick a directory, starting in startDir. The user may type the name of a
    // directory that does not exist yet; after confirming, it is created. nullopt on cancel.
    virtual std::optional<QString> chooseDirectory(const QString &startDir) = 0;

    // A plain message box with an OK button and no icon.
    void showMessage(const QString &text) { message(text, MessageIcon::None, MessageButtons::Ok); }
};
