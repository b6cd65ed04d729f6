#pragma once

#include "core/platform/Dialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

// Dialogs for tests: every message box is recorded and answered from a script (OK, or Yes for
// a Yes/No box, when the script is empty), and directory choices come from a script too.
// Base is the dialogs interface stood in for; the windows' one adds the printer choice.
template <class Base>
class ScriptedDialogsOn : public Base {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons) override
    {
        shown.push_back({text, icon, buttons});
        if (answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> chooseDirectory(const QString &) override
    {
        if (directories.empty())
            return std::nullopt;
        const QString answer = directories.front();
        directories.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &entry : shown)
            result << entry.text;
        return result;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    std::deque<QString> directories; // an empty text answers with cancel
};

using ScriptedDialogs = ScriptedDialogsOn<Dialogs>;
