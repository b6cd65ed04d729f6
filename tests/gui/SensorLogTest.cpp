#include "support/gui/SensorsFixture.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/Windows1250.h"
#include "support/core/ShortWriteFile.h"
#include "support/core/SmallFileSystem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A device that takes the first `limit` bytes and then fails every write.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (written.size() + size > m_limit)
            return -1;
        written.append(data, size);
        return size;
    }

private:
    qint64 m_limit;
};

} // namespace

class SensorLogTest : public SensorsTabTest {
protected:
    void SetUp() override
    {
        SensorsTabTest::SetUp();
        state().Settings.LogDirectory = logDir.path();
    }

    QByteArray logBytes(const QString &name = QStringLiteral("log20261207134501.csv"))
    {
        QFile file(QDir(logDir.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir logDir;
};

namespace {

const QString kFuelStatus =
    QStringLiteral("brak sprzężenia zwrotnego (brak warunków) / brak sprzężenia zwrotnego (brak warunków) ");

} // namespace

TEST_F(SensorLogTest, LinesFollowTheHeaderFromTheFirstFullPass)
{
    state().Selection.SetSelected(0x12, true);
    // Ten reads a pass, 100 ms each, after 300 ms of detection: passes start at 300, 1300, 2300 ms.
    vehicle->onQuery = [this](int query) {
        if (query == 5)
            click(page().ButtonLogToFile); // during the first pass, which is therefore not logged
        if (query == 34)
            click(page().ButtonStart); // during the fourth pass
    };
    click(page().ButtonStart);

    const QString values =
        kFuelStatus + QStringLiteral(",100.00,215,99.20,16383,255,63.50,655.00,100.00,Nie obsługiwane,\r\n");
    const QString expected = QStringLiteral("Ulmora Log,03,04,05,06,0C,0D,0E,10,11,12,\r\n")
                             + QStringLiteral("20261207134502300,") + values + QStringLiteral("20261207134503300,")
                             + values;
    const QByteArray bytes = logBytes();
    EXPECT_EQ(QString::fromLatin1(bytes), QString::fromLatin1(toWindows1250(expected)));
    EXPECT_TRUE(bytes.contains('\xB3')); // "ł" in Windows-1250
    EXPECT_FALSE(bytes.contains('\xC5')); // and no UTF-8
    EXPECT_FALSE(state().SensorLogActive);
    EXPECT_EQ(page().ButtonLogToFile->text(), QStringLiteral("Zapis do pliku"));
    EXPECT_TRUE(page().ButtonSelectAll->isEnabled());
}

TEST_F(SensorLogTest, LoggingLocksTheSelectionAndForceMode)
{
    page().CheckBoxForceMode->setChecked(true);
    bool locked = false;
    vehicle->onQuery = [this, &locked](int query) {
        if (query == 5) {
            click(page().ButtonLogToFile);
            locked = !page().ButtonSelectAll->isEnabled() && !page().ButtonDeselectAll->isEnabled()
                     && !page().ButtonInvert->isEnabled() && !page().CheckBoxForceMode->isEnabled()
                     && !page().CheckBoxForceMode->isChecked() && !page().ButtonResetSupported->isEnabled()
                     && page().ButtonLogToFile->text() == QStringLiteral("Koniec zapisu");
            clickTab(main().TabDTC); // refused silently while logging
        }
        if (query == 20)
            click(page().ButtonLogToFile);
        if (query == 25)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    EXPECT_TRUE(locked);
    EXPECT_EQ(currentPage(), main().TabSensors);
    EXPECT_TRUE(page().ButtonSelectAll->isEnabled());
    EXPECT_FALSE(page().CheckBoxForceMode->isChecked());
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(SensorLogTest, ALogThatCannotBeCreatedIsReportedAndLeftOff)
{
    state().Settings.LogDirectory = logDir.filePath(QStringLiteral("brak"));
    runUntilQuery(6, [this] { click(page().ButtonLogToFile); });
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].text, LoadMessage(SFileError));
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);
    EXPECT_FALSE(state().SensorLogActive);
    EXPECT_EQ(page().ButtonLogToFile->text(), QStringLiteral("Zapis do pliku"));
    EXPECT_TRUE(page().ButtonInvert->isEnabled());
}

TEST_F(SensorLogTest, AnExistingLogIsNeverReplaced)
{
    QFile earlier(QDir(logDir.path()).filePath(QStringLiteral("log20261207134501.csv")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier run");
    earlier.close();

    vehicle->onQuery = [this](int query) {
        if (query == 5)
            click(page().ButtonLogToFile);
        if (query == 20)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    EXPECT_EQ(logBytes(), QByteArray("earlier run"));
    EXPECT_TRUE(logBytes(QStringLiteral("log20261207134501-2.csv")).startsWith("Ulmora Log,"));
}

TEST_F(SensorLogTest, AFailedWriteEndsLoggingWithOneMessage)
{
    FailingDevice *device = nullptr;
    env.logFiles.make = [&device](const QString &) {
        auto failing = std::make_unique<FailingDevice>(60);
        device = failing.get();
        return failing;
    };
    vehicle->onQuery = [this](int query) {
        if (query == 5)
            click(page().ButtonLogToFile);
        if (query == 45)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(SFileError)});
    EXPECT_FALSE(state().SensorLogActive);
    EXPECT_EQ(vehicle->queries.size(), 45u); // the acquisition itself went on
}

TEST_F(SensorLogTest, APidDroppedAfterFailedReadsLeavesAnEmptyField)
{
    vehicle->failing = [](std::uint8_t pid) { return pid == 0x0D; };
    vehicle->onQuery = [this](int query) {
        if (query == 4)
            click(page().ButtonLogToFile);
        if (query == 3 + 9 * 6 + 1)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    const QList<QByteArray> lines = logBytes().split('\n');
    ASSERT_GE(lines.size(), 5);
    for (const QByteArray &line : lines.mid(1, lines.size() - 2)) {
        EXPECT_EQ(line.count(','), 10) << line.constData();
        EXPECT_TRUE(line.contains(",16383,,")) << line.constData(); // 0C, then the empty 0D
    }
}

TEST_F(SensorLogTest, ClosingTheWindowWhileLoggingKeepsEveryCompleteLine)
{
    vehicle->onQuery = [this](int query) {
        if (query == 4)
            click(page().ButtonLogToFile);
        if (query == 25)
            main().close();
    };
    click(page().ButtonStart);
    EXPECT_FALSE(state().SensorLogActive);
    EXPECT_FALSE(state().SensorsRunning);
    const QList<QByteArray> lines = logBytes().split('\n');
    ASSERT_EQ(lines.size(), 3); // header, the pass from 1200 ms, and nothing after the last CR LF
    EXPECT_TRUE(lines[1].startsWith("20261207134502200,"));
    EXPECT_TRUE(lines[2].isEmpty());
}

namespace {

// Lines whole: every line of the file ends with CR LF and has the header's number of fields.
void expectWholeLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    ASSERT_TRUE(lines.takeLast().isEmpty()); // the file ends with a line feed
    for (const QByteArray &line : lines) {
        EXPECT_TRUE(line.endsWith(",\r")) << line.constData();
        EXPECT_EQ(line.count(','), lines[0].count(',')) << line.constData();
    }
}

} // namespace

TEST_F(SensorLogTest, ALineCutShortByTheDiskIsTakenBackAndLoggingEnds)
{
    QString path;
    env.logFiles.make = [&path](const QString &logPath) {
        path = logPath;
        return std::make_unique<ShortWriteFile>(logPath, 400); // the header and a few lines
    };
    vehicle->onQuery = [this](int query) {
        if (query == 4)
            click(page().ButtonLogToFile);
        if (query == 80)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(SFileError)});
    EXPECT_FALSE(state().SensorLogActive);
    EXPECT_EQ(page().ButtonLogToFile->text(), QStringLiteral("Zapis do pliku"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_GE(bytes.count('\n'), 3);
    expectWholeLines(bytes);
}

TEST_F(SensorLogTest, ALogOnAFullFileSystemEndsWithACompleteLine)
{
    SmallFileSystem disk(16);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    disk.fillLeaving(4096);
    state().Settings.LogDirectory = disk.path();
    vehicle->onQuery = [this](int query) {
        if (query == 4)
            click(page().ButtonLogToFile);
        // Logging ends by itself when the disk is full; the acquisition is stopped after that.
        if ((query > 4 && !state().SensorLogActive && query % 9 == 0) || query == 20000)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(SFileError)});
    EXPECT_LT(vehicle->queries.size(), 20000u);
    QFile file(disk.filePath(QStringLiteral("log20261207134501.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_GE(bytes.count('\n'), 10);
    expectWholeLines(bytes);
}
