#include "core/platform/LanguageAbbreviation.h"

#include <array>

namespace {

struct Abbreviation {
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: the language's usual form
    const char *text;
};

// Variants first, then the language's default.
constexpr std::array kAbbreviations{
    Abbreviation{QLocale::Polish, QLocale::AnyTerritory, "PLK"},
    Abbreviation{QLocale::English, QLocale::UnitedKingdom, "ENG"},
    Abbreviation{QLocale::English, QLocale::Australia, "ENA"},
    Abbreviation{QLocale::English, QLocale::Canada, "ENC"},
    Abbreviation{QLocale::English, QLocale::NewZealand, "ENZ"},
    Abbreviation{QLocale::English, QLocale::Ireland, "ENI"},
    Abbreviation{QLocale::English, QLocale::SouthAfrica, "ENS"},
    Abbreviation{QLocale::English, QLocale::AnyTerritory, "ENU"},
    Abbreviation{QLocale::German, QLocale::Austria, "DEA"},
    Abbreviation{QLocale::German, QLocale::Switzerland, "DES"},
    Abbreviation{QLocale::German, QLocale::Luxembourg, "DEL"},
    Abbreviation{QLocale::German, QLocale::Liechtenstein, "DEC"},
    Abbreviation{QLocale::German, QLocale::AnyTerritory, "DEU"},
    Abbreviation{QLocale::French, QLocale::Belgium, "FRB"},
    Abbreviation{QLocale::French, QLocale::Canada, "FRC"},
    Abbreviation{QLocale::French, QLocale::Switzerland, "FRS"},
    Abbreviation{QLocale::French, QLocale::Luxembourg, "FRL"},
    Abbreviation{QLocale::French, QLocale::AnyTerritory, "FRA"},
    Abbreviation{QLocale::Italian, QLocale::Switzerland, "ITS"},
    Abbreviation{QLocale::Italian, QLocale::AnyTerritory, "ITA"},
    Abbreviation{QLocale::Spanish, QLocale::Mexico, "ESM"},
    Abbreviation{QLocale::Spanish, QLocale::AnyTerritory, "ESN"},
    Abbreviation{QLocale::Portuguese, QLocale::Brazil, "PTB"},
    Abbreviation{QLocale::Portuguese, QLocale::AnyTerritory, "PTG"},
    Abbreviation{QLocale::Dutch, QLocale::Belgium, "NLB"},
    Abbreviation{QLocale::Dutch, QLocale::AnyTerritory, "NLD"},
    Abbreviation{QLocale::Swedish, QLocale::Finland, "SVF"},
    Abbreviation{QLocale::Swedish, QLocale::AnyTerritory, "SVE"},
    Abbreviation{QLocale::Czech, QLocale::AnyTerritory, "CSY"},
    Abbreviation{QLocale::Slovak, QLocale::AnyTerritory, "SKY"},
    Abbreviation{QLocale::Hungarian, QLocale::AnyTerritory, "HUN"},
    Abbreviation{QLocale::Russian, QLocale::AnyTerritory, "RUS"},
    Abbreviation{QLocale::Ukrainian, QLocale::AnyTerritory, "UKR"},
    Abbreviation{QLocale::Belarusian, QLocale::AnyTerritory, "BEL"},
    Abbreviation{QLocale::Lithuanian, QLocale::AnyTerritory, "LTH"},
    Abbreviation{QLocale::Latvian, QLocale::AnyTerritory, "LVI"},
    Abbreviation{QLocale::Estonian, QLocale::AnyTerritory, "ETI"},
    Abbreviation{QLocale::Slovenian, QLocale::AnyTerritory, "SLV"},
    Abbreviation{QLocale::Croatian, QLocale::AnyTerritory, "HRV"},
    Abbreviation{QLocale::Bulgarian, QLocale::AnyTerritory, "BGR"},
    Abbreviation{QLocale::Romanian, QLocale::AnyTerritory, "ROM"},
    Abbreviation{QLocale::Greek, QLocale::AnyTerritory, "ELL"},
    Abbreviation{QLocale::Turkish, QLocale::AnyTerritory, "TRK"},
    Abbreviation{QLocale::Danish, QLocale::AnyTerritory, "DAN"},
    Abbreviation{QLocale::Finnish, QLocale::AnyTerritory, "FIN"},
    Abbreviation{QLocale::NorwegianBokmal, QLocale::AnyTerritory, "NOR"},
    Abbreviation{QLocale::NorwegianNynorsk, QLocale::AnyTerritory, "NON"},
    Abbreviation{QLocale::Icelandic, QLocale::AnyTerritory, "ISL"},
    Abbreviation{QLocale::Japanese, QLocale::AnyTerritory, "JPN"},
    Abbreviation{QLocale::Korean, QLocale::AnyTerritory, "KOR"},
    Abbreviation{QLocale::Chinese, QLocale::Taiwan, "CHT"},
    Abbreviation{QLocale::Chinese, QLocale::HongKong, "ZHH"},
    Abbreviation{QLocale::Chinese, QLocale::AnyTerritory, "CHS"},
    Abbreviation{QLocale::Hebrew, QLocale::AnyTerritory, "HEB"},
    Abbreviation{QLocale::Arabic, QLocale::AnyTerritory, "ARA"},
    Abbreviation{QLocale::Hindi, QLocale::AnyTerritory, "HIN"},
    Abbreviation{QLocale::Thai, QLocale::AnyTerritory, "THA"},
    Abbreviation{QLocale::Vietnamese, QLocale::AnyTerritory, "VIT"},
    Abbreviation{QLocale::Indonesian, QLocale::AnyTerritory, "IND"},
};

} // namespace

QString windowsLanguageAbbreviation(const QLocale &locale)
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return {};

    for (const Abbreviation &entry : kAbbreviations) {
        if (entry.language != language)
            continue;
        if (entry.territory == QLocale::AnyTerritory || entry.territory == locale.territory())
            return QString::fromLatin1(entry.text);
    }

    // Other languages: the ISO 639 letters and the first letter of the country code.
    const QString iso = QLocale::languageToCode(language, QLocale::ISO639Part1).toUpper();
    if (iso.size() != 2)
        return {};
    const QString country = QLocale::territoryToCode(locale.territory());
    return iso + (country.isEmpty() ? QStringLiteral("X") : country.left(1).toUpper());
}

QLocale localeOfWindowsAbbreviation(const QString &abbreviation)
{
    const QString text = abbreviation.toUpper();
    for (const Abbreviation &entry : kAbbreviations)
        if (text == QLatin1String(entry.text))
            return QLocale(entry.language, entry.territory);
    // Other abbreviations start with the language's ISO 639 letters.
    const QLocale::Language language = QLocale::codeToLanguage(text.left(2).toLower(), QLocale::ISO639Part1);
    return language == QLocale::AnyLanguage ? QLocale::c() : QLocale(language);
}
