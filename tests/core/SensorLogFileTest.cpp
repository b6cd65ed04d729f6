#include "core/livedata/SensorLog.h"
#include "core/livedata/Windows1250.h"

#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SensorLog, NamesAndStampsFollowTheLocalTime)
{
    const QDateTime early(QDate(2026, 3, 7), QTime(12, 5, 7, 45));
    const QDateTime late(QDate(2026, 3, 7), QTime(12, 5, 7, 450));
    EXPECT_EQ(SensorLog::fileName(early), QStringLiteral("log20260307120507.csv"));
    EXPECT_EQ(SensorLog::timeStampField(early), QStringLiteral("2026030712050745,"));
    EXPECT_EQ(SensorLog::timeStampField(late), QStringLiteral("20260307120507450,"));
    EXPECT_EQ(SensorLog::timeStampField(QDateTime(QDate(2026, 3, 7), QTime(0, 0, 0, 5))),
              QStringLiteral("2026030700000005,"));
}

TEST(SensorLog, ANewLogNeverTakesTheNameOfAnExistingOne)
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 12, 7), QTime(13, 45, 1));
    const QString first = SensorLog::newPath(dir.path(), when);
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("log20261207134501.csv"));
    SensorLog log;
    ASSERT_TRUE(log.create(first, {0x0C}));
    const QString second = SensorLog::newPath(dir.path(), when);
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("log20261207134501-2.csv"));
    SensorLog other;
    EXPECT_FALSE(other.create(first, {0x0C})); // an existing file is never opened for writing
}

TEST(SensorLog, WritesValuesInHeaderOrderWithPointsAndEmptyFieldsForMissingPids)
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

    const QByteArray expected = toWindows1250(QStringLiteral(
        "Ulmora Log,04,0C,14,2D,\r\n"
        "2026120708000007,45.10,,0.450 / 12.50,-0.78 (mniej niż zadane),\r\n"));
    EXPECT_EQ(out->data(), expected);
}

TEST(Windows1250, EncodesPolishLettersAndReplacesWhatItLacks)
{
    EXPECT_EQ(toWindows1250(QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ")),
              QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
    EXPECT_EQ(toWindows1250(QStringLiteral("a€b")), QByteArray("a\x80" "b"));
    EXPECT_EQ(toWindows1250(QStringLiteral("x\u4E2Dy")), QByteArray("x?y"));
    EXPECT_EQ(toWindows1250(QString()), QByteArray());
}
