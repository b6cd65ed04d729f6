#include "core/logview/SensorLogReader.h"
#include "core/livedata/SensorLog.h"
#include "core/livedata/Windows1250.h"
#include "core/logview/Envelope.h"
#include "core/logview/LogRowTexts.h"
#include "core/logview/LogValue.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

LogReadResult readBytes(const QByteArray &bytes, qint64 maxValues = kMaxLogValues)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadSensorLog(buffer, maxValues);
}

QByteArray log(const char *text)
{
    return toWindows1250(QString::fromUtf8(text));
}

// A log longer than one read of the reader (4 MiB) whose first read ends between the CR and the
// LF of a line, with a bad line at its end: 7 blank lines, then 167780 rows.
QByteArray crLfAcrossReads()
{
    QByteArray bytes = "Ulmora Log,0C,\r\n" + QByteArray("\r\n").repeated(7);
    bytes += QByteArray("20261207120000100,800,\r\n").repeated(167780);
    return bytes + "xx,800,\r\n";
}

} // namespace

TEST(SensorLogReaderTest, ChartsTheNumberAFieldHoldsAndLeavesAGapOtherwise)
{
    const struct {
        const char *field;
        double number; // NaN: a gap
    } cases[] = {
        {"45.10", 45.10},
        {"-0.78 (mniej niż zadane)", -0.78},
        {"0.450 / 12.50", 0.450},
        {"  16383", 16383},
        {".5", 0.5},
        {"1e3", 1000},
        {"", NAN},
        {"   ", NAN},
        {"N/A", NAN},
        {"brak sprzężenia zwrotnego", NAN},
        {"12abc", NAN},
        {"45.10.3", NAN},
        {"inf", NAN},
        {"nan", NAN},
        {"+5", NAN},
        {"1e999", NAN},
    };
    for (const auto &c : cases) {
        const float number = LogValueNumber(c.field);
        if (std::isnan(c.number))
            EXPECT_TRUE(std::isnan(number)) << c.field;
        else
            EXPECT_FLOAT_EQ(number, float(c.number)) << c.field;
    }
}

TEST(SensorLogReaderTest, TimeStampsReadBothMillisecondWidthsAndRefuseImpossibleDates)
{
    const long long noon = *LogTimeStampMs("20261207120507000");
    const struct {
        const char *field;
        long long afterNoon; // -1: not a time stamp
    } cases[] = {
        {"2026120712050745", 45}, // below 100 ms the writer puts two digits
        {"20261207120507450", 450},
        {"2026120712050705", 5},
        {"20261208000000000", 12 * 3600000LL - 5 * 60000 - 7000}, // the next day, past midnight
        {"20240229120507000", -1 - 0}, // checked separately below
        {"20261207240000000", -1},
        {"20261307120507000", -1},
        {"20261131120507000", -1},
        {"20250229120507000", -1},
        {"202612071205070", -1},
        {"202612071205074500", -1},
        {"2026120712050a450", -1},
        {"", -1},
    };
    for (const auto &c : cases) {
        const auto ms = LogTimeStampMs(c.field);
        if (std::string_view(c.field) == "20240229120507000") {
            EXPECT_TRUE(ms.has_value()); // a leap day
        } else if (c.afterNoon < 0) {
            EXPECT_FALSE(ms.has_value()) << c.field;
        } else {
            ASSERT_TRUE(ms.has_value()) << c.field;
            EXPECT_EQ(*ms - noon, c.afterNoon) << c.field;
        }
    }
    EXPECT_EQ(*LogTimeStampMs("19700101000000000"), 0);
}

TEST(SensorLogReaderTest, ReadsWhatTheLogWriterWritesIntoColumns)
{
    QByteArray written;
    {
        auto device = std::make_unique<QBuffer>();
        device->open(QIODevice::WriteOnly);
        QBuffer *raw = device.get();
        SensorLog writer;
        ASSERT_TRUE(writer.start(std::move(device), {0x03, 0x0C, 0x14}));
        const struct {
            QTime time;
            const char *status;
            const char *rpm;
            const char *o2;
        } passes[] = {{QTime(23, 59, 59, 45), "zamknięta pętla", "815,50", "0,450 / 12,50"},
                      {QTime(23, 59, 59, 950), "otwarta\r\npętla", "", "0,455 / 12,50"},
                      {QTime(0, 0, 0, 850), "zamknięta pętla", "1200", "N/A"}};
        QDate day(2026, 12, 7);
        for (const auto &pass : passes) {
            if (pass.time.hour() == 0)
                day = day.addDays(1);
            writer.beginLine(QDateTime(day, pass.time));
            writer.addValue(0x03, QString::fromUtf8(pass.status));
            writer.addValue(0x0C, QString::fromUtf8(pass.rpm));
            writer.addValue(0x14, QString::fromUtf8(pass.o2));
            ASSERT_TRUE(writer.endLine());
        }
        written = raw->data();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(written);
    }

    const LogReadResult result = ReadSensorLogFile(path);
    ASSERT_EQ(result.problem, LogProblem::None);
    const SensorLogData &data = result.data;
    EXPECT_EQ(data.pids, (QList<std::uint8_t>{0x03, 0x0C, 0x14}));
    ASSERT_EQ(data.rowCount(), 3);
    EXPECT_NEAR(data.times[1] - data.times[0], 0.905, 1e-6);
    EXPECT_NEAR(data.times[2] - data.times[1], 0.900, 1e-6); // past midnight the time goes on
    EXPECT_TRUE(std::isnan(data.columns[0][0])); // a status text is no number
    EXPECT_FLOAT_EQ(data.columns[1][0], 815.5f);
    EXPECT_TRUE(std::isnan(data.columns[1][1])); // a failed read is a gap, not a zero
    EXPECT_FLOAT_EQ(data.columns[2][1], 0.455f);
    EXPECT_TRUE(std::isnan(data.columns[2][2]));

    LogRowTexts texts(path, data.rowOffsets);
    EXPECT_EQ(texts.row(0), (QStringList{QStringLiteral("2026120723595945"), QStringLiteral("zamknięta pętla"),
                                         QStringLiteral("815.50"), QStringLiteral("0.450 / 12.50")}));
    EXPECT_EQ(texts.row(1).at(1), QStringLiteral("otwarta  pętla")); // the writer's blanks for a line break
    EXPECT_TRUE(texts.row(3).isEmpty());
}

TEST(SensorLogReaderTest, RefusesWhatIsNoLogAndReadsALogAsFarAsItIsValid)
{
    const struct {
        const char *name;
        QByteArray bytes;
        LogProblem problem;
        qint64 line;
        qsizetype rows;
        const char *detail;
    } cases[] = {
        {"empty file", QByteArray(), LogProblem::Empty, 0, 0, ""},
        {"another CSV", log("Data,Godzina,Temperatura\r\n1,2,3\r\n"), LogProblem::NotALog, 1, 0, ""},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), LogProblem::NotALog, 1, 0, ""},
        {"binary without line ends", QByteArray(200000, '\x01'), LogProblem::NotALog, 1, 0, ""},
        {"header only", log("Ulmora Log,0C,\r\n"), LogProblem::None, 0, 0, ""},
        {"PIDs past 0x4E", log("Ulmora Log,0C,5C,A6,C3,\r\n20261207120000100,800,83,200000.0,01 00,\r\n"),
         LogProblem::None, 0, 1, ""},
        {"unknown PID", log("Ulmora Log,0C,20,\r\n"), LogProblem::UnknownPid, 1, 0, "20"},
        {"a support bitmap past 0x4E", log("Ulmora Log,0C,60,\r\n"), LogProblem::UnknownPid, 1, 0, "60"},
        {"no PID at all", log("Ulmora Log,obroty,\r\n"), LogProblem::UnknownPid, 1, 0, "obroty"},
        {"header not ended", log("Ulmora Log,0C,0D\r\n"), LogProblem::UnknownPid, 1, 0, "0D"},
        {"PID twice", log("Ulmora Log,0C,0D,0C,\r\n"), LogProblem::RepeatedPid, 1, 0, "0C"},
        {"missing field",
         log("Ulmora Log,0C,0D,\r\n20261207120000100,800,0,\r\n20261207120001100,800,\r\n20261207120002100,1,2,\r\n"),
         LogProblem::FieldCount, 3, 1, ""},
        {"extra field", log("Ulmora Log,0C,\r\n20261207120000100,800,1,\r\n"), LogProblem::FieldCount, 2, 0, ""},
        {"unterminated field", log("Ulmora Log,0C,\r\n20261207120000100,800,1\r\n"), LogProblem::FieldCount, 2, 0, ""},
        {"bad time stamp", log("Ulmora Log,0C,\r\n20261207120000100,800,\r\n2026-12-07,800,\r\n"),
         LogProblem::BadTimeStamp, 3, 1, "2026-12-07"},
        {"time going back", log("Ulmora Log,0C,\r\n20261207120000100,800,\r\n20261207110000100,800,\r\n"),
         LogProblem::TimeBackwards, 3, 1, "20261207110000100"},
        {"line too long", log("Ulmora Log,03,\r\n20261207120000100,") + QByteArray(70000, 'x') + ",\r\n",
         LogProblem::LineTooLong, 2, 0, ""},
        // The rest of a pass begun before the header: no time stamp, fewer fields, no row.
        {"log begun mid-pass", log("Ulmora Log,0C,0D,\r\n55,\r\n20261207120000100,800,0,\r\n"), LogProblem::None, 0, 1,
         ""},
        {"LF lines, blank line, last line cut", log("Ulmora Log,0C,\n\n20261207120000100,800,\n20261207120001100,9"),
         LogProblem::FieldCount, 4, 1, ""},
        {"last line without its line end", log("Ulmora Log,0C,\r\n20261207120000100,800,"), LogProblem::None, 0, 1, ""},
        {"CR alone ends lines", log("Ulmora Log,0C,\r\r20261207120000100,800,\rxx,800,\r"), LogProblem::BadTimeStamp, 4,
         1, "xx"},
        {"CR LF split between two reads", crLfAcrossReads(), LogProblem::BadTimeStamp, 167789, 167780, "xx"},
    };
    for (const auto &c : cases) {
        const LogReadResult result = readBytes(c.bytes);
        EXPECT_EQ(result.problem, c.problem) << c.name;
        EXPECT_EQ(result.line, c.line) << c.name;
        EXPECT_EQ(result.data.rowCount(), c.rows) << c.name;
        EXPECT_EQ(result.detail, QString::fromUtf8(c.detail)) << c.name;
        EXPECT_EQ(result.data.columns.size(), std::size_t(result.data.pids.size())) << c.name;
        for (const auto &column : result.data.columns)
            EXPECT_EQ(qsizetype(column.size()), result.data.rowCount()) << c.name;
    }
    const LogReadResult late = readBytes(log("Ulmora Log,0C,5C,A6,\r\n20261207120000100,800,83,200000.0,\r\n"));
    EXPECT_EQ(late.data.pids, (QList<std::uint8_t>{0x0C, 0x5C, 0xA6}));
    ASSERT_EQ(late.data.columns.size(), 3u);
    EXPECT_FLOAT_EQ(late.data.columns[2][0], 200000.0f);
    const LogReadResult fields = readBytes(log("Ulmora Log,0C,0D,\r\n20261207120000100,800,\r\n"));
    EXPECT_EQ(fields.fields, 2);
    EXPECT_EQ(fields.expectedFields, 3);
    EXPECT_EQ(readBytes(log("Ulmora Log,0C,0D,\r\n55,\r\n20261207120000100,800,0,\r\n")).data.lineOfRow(0), 3);
}

TEST(SensorLogReaderTest, KeepsNoMoreValuesThanItsBound)
{
    QByteArray bytes = log("Ulmora Log,0C,0D,\r\n");
    for (int i = 0; i < 10; ++i)
        bytes += log("20261207120000100,800,0,\r\n");
    const LogReadResult result = readBytes(bytes, 9);
    EXPECT_EQ(result.problem, LogProblem::TooLarge);
    EXPECT_EQ(result.data.rowCount(), 4);
    EXPECT_EQ(result.line, 6);
}

TEST(SensorLogReaderTest, DrawsEveryRowWhenZoomedInAndTheExtremesOfEachPixelWhenZoomedOut)
{
    std::vector<double> times;
    std::vector<float> values;
    for (int i = 0; i < 1000; ++i) {
        times.push_back(100.0 + i / 10.0);
        values.push_back(i == 500 ? NAN : float(i % 7));
    }

    // Zoomed in: rows 100..120 plus one on either side, the gap kept as NaN.
    EnvelopePoints near = BuildEnvelope(times, values, 110.0, 112.0, 400);
    ASSERT_EQ(near.x.size(), 23);
    EXPECT_DOUBLE_EQ(near.x.front(), times[99]);
    EXPECT_DOUBLE_EQ(near.x.back(), times[121]);
    const EnvelopePoints gap = BuildEnvelope(times, values, 149.8, 150.2, 400);
    EXPECT_TRUE(std::any_of(gap.y.begin(), gap.y.end(), [](double y) { return std::isnan(y); }));

    // Zoomed out over 50 pixels: at most three points a pixel, every extreme reached, the gap
    // breaking the line, and the points in time order.
    EnvelopePoints far = BuildEnvelope(times, values, 100.0, 199.9, 50);
    EXPECT_LE(far.x.size(), 3 * 50 + 2);
    EXPECT_TRUE(std::is_sorted(far.x.begin(), far.x.end()));
    double lowest = 99;
    double highest = -1;
    int gaps = 0;
    for (double y : far.y) {
        if (std::isnan(y)) {
            ++gaps;
            continue;
        }
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 6);
    EXPECT_EQ(gaps, 1);

    EXPECT_TRUE(BuildEnvelope(times, values, 300.0, 400.0, 50).x.size() <= 1);
    EXPECT_TRUE(BuildEnvelope({}, {}, 0, 1, 50).x.isEmpty());

    const ValueRange range = ColumnRange(values);
    EXPECT_TRUE(range.any);
    EXPECT_EQ(range.upper, 6);
    EXPECT_FALSE(ColumnRange({NAN, NAN}).any);

    // A number no reading comes near is left off the range and counted; the largest reading is not.
    const ValueRange damaged = ColumnRange({800.0f, 3.4e38f, 6500.0f, NAN, -3.4e38f});
    EXPECT_EQ(damaged.lower, 800);
    EXPECT_EQ(damaged.upper, 6500);
    EXPECT_EQ(damaged.offScale, 2);
    const ValueRange widest = ColumnRange({-40.0f, 655350.0f});
    EXPECT_EQ(widest.upper, 655350);
    EXPECT_EQ(widest.offScale, 0);
}

TEST(SensorLogReaderTest, ReadsBackWhatItWrites)
{
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ ŚĆ „€”");
    EXPECT_EQ(fromWindows1250(toWindows1250(polish)), polish);
    EXPECT_EQ(fromWindows1250(QByteArray("\x81", 1)), QString(QChar(0xFFFD)));
}
