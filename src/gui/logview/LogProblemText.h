#pragma once

#include "core/logview/SensorLogReader.h"

#include <QCoreApplication>
#include <QString>

// The operator's message for a sensor log that could not be read whole, naming the line.
class LogProblemText {
    Q_DECLARE_TR_FUNCTIONS(LogProblemText)

public:
    // Empty for a log read without a problem.
    static QString of(const LogReadResult &result);
};
