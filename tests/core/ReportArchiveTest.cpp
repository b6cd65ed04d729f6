#include "core/report/ReportArchive.h"
#include "core/report/ArchiveIndex.h"
#include "core/settings/SettingsIO.h"

#include "support/core/FakeSettingsStore.h"
#include "support/core/QtPrinters.h"
#include "support/core/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("%PDF-1.4\n");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A report as an adapter connection leaves it: the protocol named in full, nothing after it.
ReportData adapterReport(const char *registration)
{
    ReportData report;
    report.RegistrationNo = QString::fromUtf8(registration);
    report.Protocol = QStringLiteral("ISO 15765-4 (CAN 11/500)");
    report.ProtocolNote.clear();
    report.InterfaceName = QStringLiteral("ELM327 v1.5");
    report.CompressionIgnition = true;
    report.StoredLines = {QStringLiteral("P0301 - Wypadanie zapłonów w cylindrze 1"),
                          QStringLiteral("P0103 - Czujnik przepływu powietrza"), QStringLiteral("B0848 - ?")};
    report.NonContinuousMonitorTexts[1] = QStringLiteral("Zakończony");
    return report;
}

} // namespace

TEST(ReportArchiveTest, NamesAReportByItsTimeAndRegistrationInAFileNameAnySystemTakes)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 32, 59));
    const struct {
        const char *registration;
        const char *name;
    } cases[] = {
        {"WX12345", "2026-12-08_1432_WX12345.pdf"},
        {" wx 123 ", "2026-12-08_1432_wx_123.pdf"},
        {"ŁÓDŹ 7", "2026-12-08_1432_ŁÓDŹ_7.pdf"},
        {"A/B\\C:D*E?F\"G<H>I|J\tK", "2026-12-08_1432_A_B_C_D_E_F_G_H_I_J_K.pdf"},
        {"..", "2026-12-08_1432.pdf"},
        {"WX1.", "2026-12-08_1432_WX1.pdf"},
        {"", "2026-12-08_1432.pdf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReportArchiveFileName(when, QString::fromUtf8(c.registration)), QString::fromUtf8(c.name))
            << c.registration;
    EXPECT_EQ(ReportArchiveFileName(when, QString(200, u'X')).size(),
              QStringLiteral("2026-12-08_1432_.pdf").size() + 64);

    EXPECT_EQ(ReportArchiveDirectory(QString(), QStringLiteral("/var/logi")),
              QDir::toNativeSeparators(QStringLiteral("/var/logi/raporty")));
    EXPECT_EQ(ReportArchiveDirectory(QStringLiteral("/srv/archiwum"), QStringLiteral("/var/logi")),
              QStringLiteral("/srv/archiwum"));
}

TEST(ReportArchiveTest, NeverTakesTheNameOfAnExistingReport)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("2026-12-08_1432_WX12345.pdf");
    EXPECT_EQ(FreeArchivePath(dir.path(), name), dir.filePath(name));
    touch(dir.filePath(name));
    EXPECT_EQ(FreeArchivePath(dir.path(), name), dir.filePath(QStringLiteral("2026-12-08_1432_WX12345-2.pdf")));
    touch(dir.filePath(QStringLiteral("2026-12-08_1432_WX12345-2.pdf")));
    EXPECT_EQ(FreeArchivePath(dir.path(), name), dir.filePath(QStringLiteral("2026-12-08_1432_WX12345-3.pdf")));
}

TEST(ReportArchiveTest, ListsReportsNewestFirstWithTheDataTheyWerePrintedWith)
{
    QTemporaryDir dir;
    ReportData first;
    first.RegistrationNo = QStringLiteral("WX 12345");
    first.Make = QStringLiteral("ŠKODA");
    first.StoredLines = {QStringLiteral("P0301 - Wypadanie zapłonów w cylindrze 1")};
    first.NonContinuousMonitorTexts[8] = QStringLiteral("Niezakończony");
    ReportData second = first;
    second.RegistrationNo = QStringLiteral("KR 1");
    second.Make = QStringLiteral("FIAT");

    const QDateTime morning(QDate(2026, 12, 8), QTime(9, 5, 1));
    const QDateTime sameMinute(QDate(2026, 12, 8), QTime(9, 5, 40));
    touch(dir.filePath(QStringLiteral("2026-12-08_0905_WX_12345.pdf")));
    touch(dir.filePath(QStringLiteral("2026-12-08_0905_KR_1.pdf")));
    ASSERT_TRUE(RecordArchivedReport(dir.path(), QStringLiteral("2026-12-08_0905_WX_12345.pdf"), morning, first,
                                     {QStringLiteral("Uwaga"), QString()}));
    ASSERT_TRUE(RecordArchivedReport(dir.path(), QStringLiteral("2026-12-08_0905_KR_1.pdf"), sameMinute, second, {}));
    // Copied in by hand: known by its name only.
    touch(dir.filePath(QStringLiteral("2025-01-02_1700_PO555.pdf")));
    touch(dir.filePath(QStringLiteral("2027-01-02_1700_NEWER-2.pdf")));
    touch(dir.filePath(QStringLiteral("notatki.txt")));

    const QList<ArchivedReport> reports = ListArchivedReports(dir.path());
    QStringList order;
    for (const ArchivedReport &report : reports)
        order << report.registration + u'|' + report.make + u'|'
                     + report.printed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_EQ(order, (QStringList{QStringLiteral("NEWER||2027-01-02 17:00:00"),
                                  QStringLiteral("KR 1|FIAT|2026-12-08 09:05:40"),
                                  QStringLiteral("WX 12345|ŠKODA|2026-12-08 09:05:01"),
                                  QStringLiteral("PO555||2025-01-02 17:00:00")}));
    const ArchivedReport &wx = reports.at(2);
    EXPECT_TRUE(wx.hasData);
    EXPECT_EQ(wx.data.StoredLines, first.StoredLines);
    EXPECT_EQ(wx.data.NonContinuousMonitorTexts[8], QStringLiteral("Niezakończony"));
    EXPECT_EQ(wx.remarks, (QStringList{QStringLiteral("Uwaga"), QString()}));
    EXPECT_FALSE(reports.at(3).hasData);

    EXPECT_TRUE(ListArchivedReports(dir.filePath(QStringLiteral("brak"))).isEmpty());
}

TEST(ReportArchiveTest, ItsFolderIsStoredOnceChosenAndFromThenOn)
{
    ScriptedDialogs dialogs;
    FakeSettingsStore store;
    AppSettings settings;
    SaveSettings(store, dialogs, settings);
    EXPECT_FALSE(store.written.contains(QStringLiteral("ArchiwumRaportow"))); // the default folder

    settings.ReportArchive = QStringLiteral("/srv/raporty");
    SaveSettings(store, dialogs, settings);
    AppSettings loaded;
    LoadSettings(store, dialogs, loaded);
    EXPECT_EQ(loaded.ReportArchive, QStringLiteral("/srv/raporty"));

    // Back to the default: stored as empty, or the next start would find the old folder again.
    settings.ReportArchive.clear();
    SaveSettings(store, dialogs, settings);
    LoadSettings(store, dialogs, loaded);
    EXPECT_TRUE(loaded.ReportArchive.isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

// Earlier versions wrote the index through Qt's settings files; it reads both ways, whatever a
// remark holds.
TEST(ReportArchiveTest, ItsIndexReadsAsQtsSettingsFilesDo)
{
    const QStringList texts = {QString(),
                               QStringLiteral(" na początku"),
                               QStringLiteral("na końcu "),
                               QStringLiteral("a,b"),
                               QStringLiteral("x;y"),
                               QStringLiteral("k=v"),
                               QStringLiteral("\"cytat\""),
                               QStringLiteral("C:\\raporty\\"),
                               QStringLiteral("@at"),
                               QStringLiteral("@@dwa"),
                               QStringLiteral("wiersz 1\nwiersz 2\n"),
                               QStringLiteral("tab\tx\rcr"),
                               QString(QChar(1)) + QStringLiteral("a1"),
                               QStringLiteral("#[sekcja]"),
                               QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ € 😀")};
    const QString group = QStringLiteral("raport_2026-12-08_1432_ŁÓDŹ 7(1)+[x].pdf");
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("ours.ini"));
    const QString qts = dir.filePath(QStringLiteral("qts.ini"));
    QList<std::pair<QString, QString>> values;
    {
        QSettings settings(qts, QSettings::IniFormat);
        settings.beginGroup(group);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            values.append({QStringLiteral("K%1").arg(i), texts[i]});
            settings.setValue(values.back().first, texts[i]);
        }
    }
    ASSERT_TRUE(AppendArchiveIndex(ours, group, values));

    QSettings read(ours, QSettings::IniFormat);
    EXPECT_EQ(read.childGroups(), QStringList{group});
    const ArchiveIndexSection theirs = ReadArchiveIndex(qts).value(group);
    for (const auto &[key, text] : values) {
        EXPECT_EQ(read.value(group + u'/' + key).toString(), text) << key.toStdString();
        EXPECT_EQ(theirs.value(key), text) << key.toStdString();
    }
}

// The index is only added to: lines it cannot read (a stray section, a bracket, a quote never
// closed, an entry cut short by a full disk) stay as they are, every record around them is read,
// and a record that lost lines is known not to draw its PDF any more.
TEST(ReportArchiveTest, ADamagedIndexLosesNoReport)
{
    QTemporaryDir dir;
    const QString index = dir.filePath(QString::fromLatin1(kReportArchiveIndex));
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 0));
    const QStringList names = {QStringLiteral("2026-12-08_0900_A.pdf"), QStringLiteral("2026-12-08_0900_B.pdf"),
                               QStringLiteral("2026-12-08_0900_C.pdf"), QStringLiteral("2026-12-08_0900_D.pdf"),
                               QStringLiteral("2026-12-08_0900_E.pdf")};
    for (qsizetype i = 0; i < 3; ++i) {
        touch(dir.filePath(names[i]));
        ASSERT_TRUE(RecordArchivedReport(dir.path(), names[i], when, adapterReport("WX 1"), {QStringLiteral("u")}));
    }
    // Damage between the records, then a record cut short.
    QByteArray damaged = contents(index);
    const qsizetype second = damaged.indexOf("[raport_2026-12-08_0900_B.pdf]");
    const qsizetype third = damaged.indexOf("[raport_2026-12-08_0900_C.pdf]");
    ASSERT_GT(second, 0);
    damaged.insert(third, "[[[[\n[General]\nNazwa=\"Warsztat bez końca\n");
    damaged.insert(second, "[[[[\n");
    damaged.truncate(damaged.indexOf("UsterkiZarejestrowane", damaged.indexOf("[raport_2026-12-08_0900_C.pdf]")) + 12);
    write(index, damaged);

    for (qsizetype i = 3; i < 5; ++i) {
        touch(dir.filePath(names[i]));
        ASSERT_TRUE(RecordArchivedReport(dir.path(), names[i], when, adapterReport("WX 2"), {}));
    }
    EXPECT_TRUE(contents(index).startsWith(damaged)); // nothing that was there is rewritten

    QStringList read;
    for (const ArchivedReport &report : ListArchivedReports(dir.path()))
        read << report.fileName.mid(16, 1) + (report.hasData ? u'+' : u'-') + (ReproducesItsPdf(report) ? u'=' : u'!');
    EXPECT_EQ(read, (QStringList{QStringLiteral("E+="), QStringLiteral("D+="), QStringLiteral("C+!"),
                                 QStringLiteral("B+="), QStringLiteral("A+=")}));
}

// What the pages show is kept exactly as printed: the protocol without the simulated link's note,
// the diesel's monitors, the version in the footer. An entry an earlier version wrote kept less,
// and draws its PDF no more than a changed one.
TEST(ReportArchiveTest, AReportDrawsItsPdfAgainOnlyFromAWholeEntry)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("2026-12-08_0900_WX_1.pdf");
    touch(dir.filePath(name));
    ReportData printed = adapterReport("WX 1");
    printed.SoftwareVersion = QStringLiteral("1.0.9");
    ASSERT_TRUE(RecordArchivedReport(dir.path(), name, QDateTime(QDate(2026, 12, 8), QTime(9, 0)), printed,
                                     {QStringLiteral(" wcięta uwaga"), QString()}));
    const ArchivedReport report = ListArchivedReports(dir.path()).at(0);
    EXPECT_TRUE(ReproducesItsPdf(report));
    EXPECT_EQ(report.data.Protocol + report.data.ProtocolNote, QStringLiteral("ISO 15765-4 (CAN 11/500)"));
    EXPECT_TRUE(report.data.CompressionIgnition);
    EXPECT_EQ(report.data.SoftwareVersion, QStringLiteral("1.0.9"));
    EXPECT_EQ(report.data.StoredLines, printed.StoredLines);
    EXPECT_EQ(report.remarks, (QStringList{QStringLiteral(" wcięta uwaga"), QString()}));

    ArchivedReport changed = report;
    changed.data.StoredLines.removeLast();
    EXPECT_FALSE(ReproducesItsPdf(changed));

    // As an earlier version wrote it: the same keys but the protocol's note, the version and the
    // digest.
    QTemporaryDir old;
    touch(old.filePath(name));
    {
        QSettings settings(old.filePath(QString::fromLatin1(kReportArchiveIndex)), QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("raport_") + name);
        settings.setValue(QStringLiteral("Wydrukowano"), QStringLiteral("2026-12-08T09:00:00.000"));
        settings.setValue(QStringLiteral("NrRejestracyjny"), QStringLiteral("WX 1"));
        settings.setValue(QStringLiteral("Protokol"), QStringLiteral("ISO 15765-4 (CAN 11/500)"));
        settings.setValue(QStringLiteral("UsterkiZarejestrowane"), QStringLiteral("P0301 - a\nP0103 - b"));
    }
    const ArchivedReport earlier = ListArchivedReports(old.path()).at(0);
    EXPECT_TRUE(earlier.hasData);
    EXPECT_EQ(earlier.registration, QStringLiteral("WX 1"));
    EXPECT_EQ(earlier.data.StoredLines.size(), 2);
    EXPECT_FALSE(ReproducesItsPdf(earlier));
}
