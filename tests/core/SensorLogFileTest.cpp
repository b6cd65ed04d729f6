#include "core/livedata/SensorLog.h"
#include "core/livedata/Windows1250.h"
#include "core/platform/DiskLogFiles.h"

#include "support/core/QtPrinters.h"
#include "support/core/ShortWriteFile.h"
#include "support/core/SmallFileSystem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DiskLogFiles logFiles;

} // namespace

TEST(SensorLogFileTest, NamesAndStampsFollowTheLocalTime)
{
    const QDateTime early(QDate(2026, 3, 7), QTime(12, 5, 7, 45));
    const QDateTime late(QDate(2026, 3, 7), QTime(12, 5, 7, 450));
    EXPECT_EQ(SensorLog::fileName(early), QStringLiteral("log20260307120507.csv"));
    EXPECT_EQ(SensorLog::timeStampField(early), QStringLiteral("2026030712050745,"));
    EXPECT_EQ(SensorLog::timeStampField(late), QStringLiteral("20260307120507450,"));
    EXPECT_EQ(SensorLog::timeStampField(QDateTime(QDate(2026, 3, 7), QTime(0, 0, 0, 5))),
              QStringLiteral("2026030700000005,"));
}

TEST(SensorLogFileTest, ANewLogNeverTakesTheNameOfAnExistingOne)
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 12, 7), QTime(13, 45, 1));
    const QString first = SensorLog::newPath(dir.path(), when);
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("log20261207134501.csv"));
    SensorLog log;
    ASSERT_TRUE(log.create(logFiles, first, {0x0C}));
    const QString second = SensorLog::newPath(dir.path(), when);
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("log20261207134501-2.csv"));
    SensorLog other;
    EXPECT_FALSE(other.create(logFiles, first, {0x0C})); // an existing file is never opened for writing
}

TEST(SensorLogFileTest, WritesValuesInHeaderOrderWithPointsAndEmptyFieldsForMissingPids)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    QBuffer *out = buffer.get();
    SensorLog log;
    ASSERT_TRUE(log.start(std::move(buffer), {0x04, 0x0C, 0x14, 0x2D}));

    log.addValue(0x04, QStringLiteral("1,00")); // no line begun: ignored
    log.beginLine(QDateTime(QDate(2026, 12, 7), QTime(8, 0, 0, 7)));
    log.addValue(0x14, QStringLiteral("0,450 / 12,50"));
    log.addValue(0x04, QStringLiteral("45,10"));
    log.addValue(0x2D, QStringLiteral("-0,78 (mniej niż zadane)"));
    ASSERT_TRUE(log.endLine());
    EXPECT_TRUE(log.endLine()); // nothing begun, nothing written

    const QByteArray expected =
        toWindows1250(QStringLiteral("Ulmora Log,04,0C,14,2D,\r\n"
                                     "2026120708000007,45.10,,0.450 / 12.50,-0.78 (mniej niż zadane),\r\n"));
    EXPECT_EQ(out->data(), expected);
}

TEST(SensorLogFileTest, EncodesPolishLettersAndReplacesWhatItLacks)
{
    EXPECT_EQ(toWindows1250(QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ")),
              QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
    EXPECT_EQ(toWindows1250(QStringLiteral("a€b")), QByteArray("a\x80"
                                                               "b"));
    EXPECT_EQ(toWindows1250(QStringLiteral("x\u4E2Dy")), QByteArray("x?y"));
    EXPECT_EQ(toWindows1250(QString()), QByteArray());
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes lines until one fails; returns the number written whole.
int fillLog(SensorLog &log, int limit)
{
    for (int line = 0; line < limit; ++line) {
        log.beginLine(QDateTime(QDate(2026, 12, 8), QTime(10, 5, 14, 300)));
        log.addValue(0x0C, QStringLiteral("1726"));
        log.addValue(0x04, QStringLiteral("45,10"));
        if (!log.endLine())
            return line;
    }
    return limit;
}

} // namespace

TEST(SensorLogFileTest, ALineThatFitsOnlyInPartIsCutBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    const QByteArray header = "Ulmora Log,04,0C,\r\n";
    const QByteArray line = "20261208100514300,45.10,1726,\r\n";
    SensorLog log;
    ASSERT_TRUE(log.start(std::make_unique<ShortWriteFile>(path, header.size() + 2 * line.size() + 7), {0x04, 0x0C}));
    EXPECT_EQ(fillLog(log, 10), 2);
    log.close();
    EXPECT_EQ(fileBytes(path), header + line + line);

    // A header that does not fit leaves an empty file.
    const QString second = dir.filePath(QStringLiteral("second.csv"));
    SensorLog other;
    EXPECT_FALSE(other.start(std::make_unique<ShortWriteFile>(second, 5), {0x04, 0x0C}));
    EXPECT_FALSE(other.isOpen());
    EXPECT_EQ(fileBytes(second), QByteArray());
}

TEST(SensorLogFileTest, AFullDiskLeavesTheLogEndingWithACompleteLine)
{
    SmallFileSystem disk(16);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString path = disk.filePath(QStringLiteral("log20261208100514.csv"));
    SensorLog log;
    ASSERT_TRUE(log.create(logFiles, path, {0x04, 0x0C}));
    const int written = fillLog(log, 100000);
    log.close();
    const QByteArray bytes = fileBytes(path);
    EXPECT_GT(written, 10);
    EXPECT_LT(written, 100000);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), written + 1);

    // Without room for even the header, no file is left behind.
    QFile::remove(path);
    disk.fillLeaving(0);
    const QString next = disk.filePath(QStringLiteral("log20261208100515.csv"));
    SensorLog again;
    EXPECT_FALSE(again.create(logFiles, next, {0x04, 0x0C}));
    EXPECT_FALSE(QFile::exists(next));
}

TEST(SensorLogFileTest, AValueWithALineBreakStaysOnItsLine)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    QBuffer *out = buffer.get();
    SensorLog log;
    ASSERT_TRUE(log.start(std::move(buffer), {0x12, 0x0C}));
    log.beginLine(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0, 100)));
    log.addValue(0x12, QStringLiteral("powyżej 1\r\nkatalizatora\n"));
    log.addValue(0x0C, QStringLiteral("1726"));
    ASSERT_TRUE(log.endLine());
    EXPECT_EQ(out->data(), toWindows1250(QStringLiteral("Ulmora Log,12,0C,\r\n"
                                                        "20261208100000100,powyżej 1  katalizatora ,1726,\r\n")));
}
