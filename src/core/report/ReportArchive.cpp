#include "core/report/ReportArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

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
};

QString indexPath(const QString &directory)
{
    return QDir(directory).filePath(QString::fromLatin1(kReportArchiveIndex));
}

// QSettings takes "/" in a group name as a nesting; the archive's names hold none.
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

QStringList lines(const QVariant &value)
{
    const QString text = value.toString();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

template <std::size_t N>
void fill(std::array<QString, N> &texts, const QVariant &value)
{
    const QStringList list = value.toString().split(u'\n');
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = list.value(qsizetype(i));
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
    QSettings settings(indexPath(directory), QSettings::IniFormat);
    settings.beginGroup(groupOf(fileName));
    settings.setValue(QStringLiteral("Wydrukowano"), printed.toString(Qt::ISODateWithMs));
    for (const Field &field : kFields)
        settings.setValue(QString::fromLatin1(field.key), data.*field.member);
    settings.setValue(QStringLiteral("MonitoryCiagle"), joined(data.ContinuousMonitorTexts));
    settings.setValue(QStringLiteral("MonitoryNieciagle"), joined(data.NonContinuousMonitorTexts));
    settings.setValue(QStringLiteral("UsterkiOczekujace"), joined(data.PendingLines));
    settings.setValue(QStringLiteral("UsterkiZarejestrowane"), joined(data.StoredLines));
    settings.setValue(QStringLiteral("Uwagi"), joined(remarks));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QList<ArchivedReport> ListArchivedReports(const QString &directory)
{
    QList<ArchivedReport> reports;
    const QDir dir(directory);
    if (!dir.exists())
        return reports;
    QSettings settings(indexPath(directory), QSettings::IniFormat);
    const QStringList known = settings.childGroups();
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

        const QString group = groupOf(report.fileName);
        if (known.contains(group)) {
            settings.beginGroup(group);
            const QDateTime printed =
                QDateTime::fromString(settings.value(QStringLiteral("Wydrukowano")).toString(), Qt::ISODateWithMs);
            if (printed.isValid())
                report.printed = printed;
            for (const Field &field : kFields)
                report.data.*field.member = settings.value(QString::fromLatin1(field.key)).toString();
            fill(report.data.ContinuousMonitorTexts, settings.value(QStringLiteral("MonitoryCiagle")));
            fill(report.data.NonContinuousMonitorTexts, settings.value(QStringLiteral("MonitoryNieciagle")));
            report.data.PendingLines = lines(settings.value(QStringLiteral("UsterkiOczekujace")));
            report.data.StoredLines = lines(settings.value(QStringLiteral("UsterkiZarejestrowane")));
            report.remarks = lines(settings.value(QStringLiteral("Uwagi")));
            settings.endGroup();
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
