#pragma once

#include "core/catalogue/ProgramVersion.h"
#include "core/report/ReportUnitsPage.h"

#include <QString>
#include <QStringList>

#include <array>

struct LinkIdentity;

// The record behind the printed inspection report. The report dialog owns it for the whole run;
// the connection sequence writes the interface, module address and protocol, the dialog the
// typed vehicle and workshop data, and the report assembly the results.
struct ReportData {
    QString WorkshopName;
    QString WorkshopAddress1;
    QString WorkshopAddress2;
    QString WorkshopAddress3;

    QString RegistrationNo;
    QString Make;
    QString EngineNo;
    QString Mileage;
    QString TypeModel;
    QString Vin;

    QString Protocol;
    QString ProtocolNote = QStringLiteral(" (SAE J1850)"); // printed after Protocol
    QString ModuleAddress;
    QString InterfaceName;

    QString O2SensorLocations;
    QString O2SensorCount;
    QString MilText;
    std::array<QString, 4> ContinuousMonitorTexts; // slots 1-3 used
    std::array<QString, 9> NonContinuousMonitorTexts; // slots 1-8 used
    bool CompressionIgnition = false; // which monitors slots 1-8 are
    QStringList PendingLines;
    QStringList StoredLines;
    QString SoftwareVersion = ProgramVersion; // the version the footer names

    // The control units' page, printed after the first when IncludeUnits is set.
    bool IncludeUnits = false;
    ReportUnitsPage Units;

    // The connection's facts about its link: the interface, the answering module and the
    // protocol with the note printed after it.
    void setLink(const LinkIdentity &identity);
};
