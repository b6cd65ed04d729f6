#include "support/ScriptedDialogs.h"

MessageAnswer ScriptedDialogs::message(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    shown.push_back({text, icon, buttons});
    if (answers.empty())
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::chooseDirectory(const QString &)
{
    if (directories.empty())
        return std::nullopt;
    const QString answer = directories.front();
    directories.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

bool ScriptedDialogs::choosePrinter(QPrinter &printer)
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

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Shown &entry : shown)
        result << entry.text;
    return result;
}
