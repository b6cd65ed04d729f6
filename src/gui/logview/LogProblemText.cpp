#include "gui/logview/LogProblemText.h"

QString LogProblemText::of(const LogReadResult &result)
{
    const QString line = QString::number(result.line);
    switch (result.problem) {
    case LogProblem::None: return {};
    case LogProblem::Unreadable: return tr("Pliku nie można otworzyć do odczytu.");
    case LogProblem::NotAFile:
        return tr("To nie jest zwykły plik, lecz potok, gniazdo, urządzenie lub katalog - log czujników jest zawsze "
                  "zwykłym plikiem.");
    case LogProblem::Empty: return tr("Plik jest pusty.");
    case LogProblem::NotALog:
        return tr("Wiersz 1: brak nagłówka \"Ulmora Log\" - to nie jest log czujników tego programu.");
    case LogProblem::UnknownPid: return tr("Wiersz %1: nagłówek zawiera nieznany PID \"%2\".").arg(line, result.detail);
    case LogProblem::RepeatedPid:
        return tr("Wiersz %1: PID \"%2\" występuje w nagłówku dwukrotnie.").arg(line, result.detail);
    case LogProblem::LineTooLong: return tr("Wiersz %1 jest za długi jak na log czujników.").arg(line);
    case LogProblem::FieldCount:
        return tr("Wiersz %1: liczba pól %2, a nagłówek zapowiada %3.")
            .arg(line)
            .arg(result.fields)
            .arg(result.expectedFields);
    case LogProblem::BadTimeStamp: return tr("Wiersz %1: \"%2\" nie jest znacznikiem czasu.").arg(line, result.detail);
    case LogProblem::TimeBackwards:
        return tr("Wiersz %1: czas %2 jest wcześniejszy niż w poprzednim wierszu.").arg(line, result.detail);
    case LogProblem::TooLarge: return tr("Wiersz %1: log jest za duży, by wczytać go w całości.").arg(line);
    }
    return {};
}
