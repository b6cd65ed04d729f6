#include "core/report/ReportArchive.h"
#include "core/settings/SettingsIO.h"

#include "support/core/FakeSettingsStore.h"
#include "support/core/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("%PDF-1.4\n");
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
