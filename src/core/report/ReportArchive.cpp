#include "core/report/ReportArchive.h"

#include "core/report/ArchiveIndex.h"
#include "core/report/ReportDigest.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kDefaultFolder = QStringLiteral("raporty");
const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HHmm");

// The fields kept in the index, by their names there.
struct Field {
    const char *key;
    QString ReportData::*member;
};
constexpr Field kFields[] = {
    {"Nazwa", &ReportData::WorkshopName},
    {"Adres1", &ReportData::WorkshopAddress1},
    {"Adres2", &ReportData::WorkshopAddress2},
    {"Adres3", &ReportData::WorkshopAddress3},
    {"NrRejestracyjny", &ReportData::RegistrationNo},
    {"Marka", &ReportData::Make},
    {"NumerSilnika", &ReportData::EngineNo},
    {"Przebieg", &ReportData::Mileage},
    {"TypModel", &ReportData::TypeModel},
    {"VIN", &ReportData::Vin},
    {"Protokol", &ReportData::Protocol},
    {"AdresModulu", &ReportData::ModuleAddress},
    {"Interfejs", &ReportData::InterfaceName},
    {"LokalizacjaO2", &ReportData::O2SensorLocations},
    {"IloscO2", &ReportData::O2SensorCount},
    {"MIL", &ReportData::MilText},
    {"UwagaProtokolu", &ReportData::ProtocolNote},
    {"Wersja", &ReportData::SoftwareVersion},
};

const QString kPrinted = QStringLiteral("Wydrukowano");
const QString kCompressionIgnition = QStringLiteral("ZaplonSamoczynny");
const QString kContinuous = QStringLiteral("MonitoryCiagle");
const QString kNonContinuous = QStringLiteral("MonitoryNieciagle");
const QString kPending = QStringLiteral("UsterkiOczekujace");
const QString kStored = QStringLiteral("UsterkiZarejestrowane");
const QString kRemarks = QStringLiteral("Uwagi");
const QString kDigest = QStringLiteral("SumaKontrolna");
QString indexPath(const QString &directory)
{
    return QDir(directory).filePath(QString::fromLatin1(kReportArchiveIndex));
}

QString groupOf(const QString &fileName)
{
    return QStringLiteral("raport_") + fileName;
}

// Lists are kept as one text, a line each: the index file's own list syntax cannot tell an
// empty list from one empty line.
template <class Texts>
QString joined(const Texts &texts)
{
    return QStringList(texts.begin(), texts.end()).join(u'\n');
}

QStringList lines(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

template <std::size_t N>
void fill(std::array<QString, N> &texts, const QString &value)
{
    const QStringList list = value.split(u'\n');
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = list.value(qsizetype(i));
}

// The control units' page, when it was printed: its voltage and failure, then each unit under
// "Sterownik<n>" and a key of its own.
const QString kUnitsPage = QStringLiteral("DaneSterownikow");
const QString kBattery = QStringLiteral("NapiecieAkumulatora");
const QString kUnitsFailure = QStringLiteral("SterownikiBlad");
const QString kUnitCount = QStringLiteral("Sterowniki");

QString unitKey(std::size_t index, const char *what)
{
    return QStringLiteral("Sterownik%1%2").arg(index + 1).arg(QLatin1String(what));
}

// Rows of cells, a line a row and a tab between cells.
template <class Rows, class Cells>
QString table(const Rows &rows, Cells cells)
{
    QStringList lines;
    for (const auto &row : rows)
        lines << cells(row).join(u'\t');
    return lines.join(u'\n');
}

std::vector<QStringList> rowsOf(const QString &text, qsizetype cells)
{
    std::vector<QStringList> rows;
    for (const QString &line : lines(text)) {
        QStringList row = line.split(u'\t');
        while (row.size() < cells)
            row << QString();
        rows.push_back(row);
    }
    return rows;
}

void appendUnits(QList<std::pair<QString, QString>> &values, const ReportData &data)
{
    if (!data.IncludeUnits)
        return;
    const ReportUnitsPage &page = data.Units;
    values.append({kUnitsPage, QStringLiteral("1")});
    values.append({kBattery, page.BatteryVoltage});
    values.append({kUnitsFailure, page.Failure});
    values.append({kUnitCount, QString::number(page.Units.size())});
    for (std::size_t i = 0; i < page.Units.size(); ++i) {
        const ReportUnit &unit = page.Units[i];
        values.append({unitKey(i, "Adres"), unit.Address});
        values.append({unitKey(i, "Nazwa"), unit.Name});
        values.append({unitKey(i, "Kalibracje"), table(unit.Calibrations, [](const CalibrationRow &row) {
                           return QStringList{row.id, row.cvn};
                       })});
        values.append({unitKey(i, "KodyStale"), joined(unit.PermanentLines)});
        values.append({unitKey(i, "Liczniki"), unit.InUseCounters});
        values.append({unitKey(i, "Monitory"), table(unit.InUse, [](const InUseRow &row) {
                           return QStringList{row.monitor, row.completions, row.conditions, row.ratio, row.note};
                       })});
    }
}

void readUnits(const ArchiveIndexSection &values, ReportData &data)
{
    data.IncludeUnits = values.value(kUnitsPage) == u'1';
    if (!data.IncludeUnits)
        return;
    ReportUnitsPage &page = data.Units;
    page.BatteryVoltage = values.value(kBattery);
    page.Failure = values.value(kUnitsFailure);
    const int count = std::clamp(values.value(kUnitCount).toInt(), 0, 255);
    for (int i = 0; i < count; ++i) {
        ReportUnit unit;
        unit.Address = values.value(unitKey(std::size_t(i), "Adres"));
        unit.Name = values.value(unitKey(std::size_t(i), "Nazwa"));
        for (const QStringList &row : rowsOf(values.value(unitKey(std::size_t(i), "Kalibracje")), 2))
            unit.Calibrations.push_back({row[0], row[1]});
        unit.PermanentLines = lines(values.value(unitKey(std::size_t(i), "KodyStale")));
        unit.InUseCounters = values.value(unitKey(std::size_t(i), "Liczniki"));
        for (const QStringList &row : rowsOf(values.value(unitKey(std::size_t(i), "Monitory")), 5))
            unit.InUse.push_back({row[0], row[1], row[2], row[3], row[4]});
        page.Units.push_back(unit);
    }
}

} // namespace

QString ReportArchiveDirectory(const QString &setting, const QString &logDirectory)
{
    if (!setting.isEmpty())
        return setting;
    return QDir::toNativeSeparators(QDir(logDirectory).filePath(kDefaultFolder));
}

QString ReportArchiveFileName(const QDateTime &when, const QString &registration)
{
    QString safe = registration.trimmed();
    static const QRegularExpression kForbidden(QStringLiteral(R"([\\/:*?"<>|\x00-\x1F\x7F\s])"));
    safe.replace(kForbidden, QStringLiteral("_"));
    safe = safe.left(64);
    // A name may not end in a point (Windows drops it) nor be "." or "..".
    while (safe.endsWith(u'.'))
        safe.chop(1);
    const QString stamp = when.toString(kStampFormat);
    return (safe.isEmpty() ? stamp : stamp + u'_' + safe) + QStringLiteral(".pdf");
}

QString FreeArchivePath(const QString &directory, const QString &fileName)
{
    const QDir dir(directory);
    const QFileInfo name(fileName);
    const QString base = name.completeBaseName();
    const QString suffix = name.suffix().isEmpty() ? QString() : u'.' + name.suffix();
    QString path = dir.filePath(fileName);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(base + QStringLiteral("-%1").arg(copy) + suffix);
    return path;
}

bool RecordArchivedReport(const QString &directory, const QString &fileName, const QDateTime &printed,
                          const ReportData &data, const QStringList &remarks)
{
    QList<std::pair<QString, QString>> values{{kPrinted, printed.toString(Qt::ISODateWithMs)}};
    for (const Field &field : kFields)
        values.append({QString::fromLatin1(field.key), data.*field.member});
    values.append({kCompressionIgnition, data.CompressionIgnition ? QStringLiteral("1") : QStringLiteral("0")});
    values.append({kContinuous, joined(data.ContinuousMonitorTexts)});
    values.append({kNonContinuous, joined(data.NonContinuousMonitorTexts)});
    values.append({kPending, joined(data.PendingLines)});
    values.append({kStored, joined(data.StoredLines)});
    values.append({kRemarks, joined(remarks)});
    appendUnits(values, data);
    values.append({kDigest, ReportContentDigest(data, remarks)});
    return AppendArchiveIndex(indexPath(directory), groupOf(fileName), values);
}

bool ReproducesItsPdf(const ArchivedReport &report)
{
    return report.hasData && !report.digest.isEmpty()
           && report.digest == ReportContentDigest(report.data, report.remarks);
}

QList<ArchivedReport> ListArchivedReports(const QString &directory)
{
    QList<ArchivedReport> reports;
    const QDir dir(directory);
    if (!dir.exists())
        return reports;
    const QHash<QString, ArchiveIndexSection> index = ReadArchiveIndex(indexPath(directory));
    static const QRegularExpression kNamed(QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}_\d{4})(?:_(.*?))?(?:-\d+)?\.pdf$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.pdf"), QStringLiteral("*.PDF")}, QDir::Files);
    for (const QFileInfo &file : files) {
        ArchivedReport report;
        report.fileName = file.fileName();
        report.path = file.filePath();
        const QRegularExpressionMatch named = kNamed.match(report.fileName);
        if (named.hasMatch()) {
            report.printed = QDateTime::fromString(named.captured(1), kStampFormat);
            report.registration = named.captured(2);
        }
        if (!report.printed.isValid())
            report.printed = file.lastModified();

        const auto entry = index.constFind(groupOf(report.fileName));
        if (entry != index.constEnd()) {
            const ArchiveIndexSection &values = *entry;
            const QDateTime printed = QDateTime::fromString(values.value(kPrinted), Qt::ISODateWithMs);
            if (printed.isValid())
                report.printed = printed;
            for (const Field &field : kFields) {
                const auto value = values.constFind(QString::fromLatin1(field.key));
                if (value != values.constEnd())
                    report.data.*field.member = *value;
            }
            report.data.CompressionIgnition = values.value(kCompressionIgnition) == u'1';
            fill(report.data.ContinuousMonitorTexts, values.value(kContinuous));
            fill(report.data.NonContinuousMonitorTexts, values.value(kNonContinuous));
            report.data.PendingLines = lines(values.value(kPending));
            report.data.StoredLines = lines(values.value(kStored));
            report.remarks = lines(values.value(kRemarks));
            readUnits(values, report.data);
            report.digest = values.value(kDigest);
            report.hasData = true;
            report.registration = report.data.RegistrationNo;
            report.make = report.data.Make;
        }
        reports << report;
    }
    std::sort(reports.begin(), reports.end(), [](const ArchivedReport &a, const ArchivedReport &b) {
        return a.printed != b.printed ? a.printed > b.printed : a.fileName > b.fileName;
    });
    return reports;
}
