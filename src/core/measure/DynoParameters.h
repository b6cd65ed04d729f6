#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <variant>

// The vehicle parameters of a dyno run, read from the tab's fields.

struct DynoParameters {
    double G = 0; // total mass, kg
    double i = 0; // overall gear ratio
    double Cx = 0; // drag coefficient
    double rStat = 0; // static wheel radius, mm
    double F = 0; // frontal area, m²
    double f = 0; // rolling-resistance coefficient
    double eta = 0; // mechanical efficiency
    double delta = 0; // rotating-mass factor
};

// The default texts of the eleven fields.
struct DynoDefaultValues {
    static constexpr double f = 0.016;
    static constexpr double eta = 0.88;
    static constexpr double delta = 1.087;
    static constexpr double G = 1600;
    static constexpr double i = 4.78;
    static constexpr double Cx = 0.5;
    static constexpr double rStat = 250;
    static constexpr double F = 2.2528;
    static constexpr double B = 1760;
    static constexpr double H = 1420;
    static constexpr double h1 = 140;
};

// The frontal area in m² from the height, clearance and width texts in mm, each read as the
// integer at its start (no digits read as 0): (H - h1) x B x 0.000001. Never fails.
double ComputeFrontalArea(const QString &height, const QString &clearance, const QString &width);

// Why the parameters cannot start a run, naming the catalogue message to show.
enum class DynoParameterError {
    NotANumber, // a text is not a real number in the user's format
    NotPositive // a value is 0 or negative
};

// The texts of G, i, Cx, r stat, F, f, η, δ, in that order, converted strictly in the user's
// decimal format; the first text that does not convert decides, then any value <= 0.
std::variant<DynoParameters, DynoParameterError> ValidateDynoParameters(const std::array<QString, 8> &texts,
                                                                        QChar decimalSeparator);
