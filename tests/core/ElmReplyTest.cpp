#include "core/vehicle/ElmReply.h"
#include "core/vehicle/ObdAnswer.h"

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Bytes A-D of a PID's reply, or 0xEE four times when it failed.
std::array<std::uint8_t, 4> firstFour(const std::optional<PidReply> &reply)
{
    if (!reply)
        return {0xEE, 0xEE, 0xEE, 0xEE};
    return {reply->bytes[0], reply->bytes[1], reply->bytes[2], reply->bytes[3]};
}

std::array<std::uint8_t, 4> pidOf(const char *received, ElmHeaders headers, std::uint8_t service = 0x01,
                                  std::uint8_t pid = 0x0C)
{
    const QByteArray command = service == 0x01
                                   ? QByteArray("01") + QByteArray::number(pid, 16).rightJustified(2, '0')
                                   : QByteArray("02") + QByteArray::number(pid, 16).rightJustified(2, '0') + "00";
    return firstFour(PidBytes(ParseElmReply(received, command.toUpper(), headers), headers, service, pid));
}

} // namespace

TEST(ElmReplyTest, ReadsTheSameAnswerInEveryLineShape)
{
    const std::array<std::uint8_t, 4> rpm{0x1A, 0xF8, 0, 0};
    const struct {
        const char *received;
        ElmHeaders headers;
    } shapes[] = {
        {"7E8 04 41 0C 1A F8 00 00 00 \r\r", ElmHeaders::Can11}, // blanks, padding
        {"7E804410C1AF8000000\r\r", ElmHeaders::Can11}, // no blanks
        {"010C\r7E8 04 41 0C 1A F8 \r\r", ElmHeaders::Can11}, // echo left on
        {"SEARCHING...\r7E8 04 41 0C 1A F8\r\r", ElmHeaders::Can11}, // protocol search
        {"\xFF\x1B\x7F"
         "7E8 04 41 0C\x01 1A F8\r\r",
         ElmHeaders::Can11}, // stray bytes
        {"7e8 04 41 0c 1a f8\r\n\r\n", ElmHeaders::Can11}, // lower case, line feeds
        {"18 DA F1 10 04 41 0C 1A F8 AA AA AA\r", ElmHeaders::Can29},
        {"48 6B 10 41 0C 1A F8 22\r", ElmHeaders::Legacy}, // check byte dropped
        {"BUS INIT: ...OK\r48 6B 10 41 0C 1A F8 22\r", ElmHeaders::Legacy},
        {"41 6B 10 41 0C 1A F8 3D\r", ElmHeaders::Legacy}, // J1850: CRC
    };
    for (const auto &shape : shapes)
        EXPECT_EQ(pidOf(shape.received, shape.headers), rpm) << shape.received;

    const QByteArray afterReset("\0\0"
                                "7E8 04 41 0C 1A F8\r",
                                21);
    EXPECT_EQ(firstFour(PidBytes(ParseElmReply(afterReset, "010C", ElmHeaders::Can11), ElmHeaders::Can11, 0x01, 0x0C)),
              rpm);

    // The freeze frame carries its frame number after the PID; only frame 0 is asked for.
    EXPECT_EQ(pidOf("7E8 05 42 0C 00 0F A0\r", ElmHeaders::Can11, 0x02),
              (std::array<std::uint8_t, 4>{0x0F, 0xA0, 0, 0}));
    EXPECT_EQ(pidOf("7E8 05 42 0C 01 0F A0\r", ElmHeaders::Can11, 0x02)[0], 0xEE);
}

TEST(ElmReplyTest, TellsTheAdapterStatusLines)
{
    const struct {
        const char *received;
        ElmStatus status;
    } cases[] = {
        {"NO DATA\r\r", ElmStatus::NoData},
        {"SEARCHING...\rUNABLE TO CONNECT\r\r", ElmStatus::UnableToConnect},
        {"BUS INIT: ...ERROR\r\r", ElmStatus::BusInitError},
        {"CAN ERROR\r", ElmStatus::CanError},
        {"STOPPED\r", ElmStatus::Stopped},
        {"?\r", ElmStatus::UnknownCommand},
        {"BUS BUSY\r", ElmStatus::BusError},
        {"ATE0\rOK\r", ElmStatus::Ok},
        {"ELM327 v1.5\r", ElmStatus::Text},
        {"\r\r", ElmStatus::Empty},
        {"", ElmStatus::Empty},
        // An error line fails the whole reply, even after an answer that came through.
        {"7E8 03 41 0D 32\rCAN ERROR\r", ElmStatus::CanError},
        {"7E8 03 41 0D 32 <DATA ERROR\r", ElmStatus::BusError},
        {"LV RESET\r\rELM327 v1.5\r", ElmStatus::AdapterReset},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(ParseElmReply(entry.received, "ATE0", ElmHeaders::Can11).status, entry.status) << entry.received;
    EXPECT_EQ(ParseElmReply("\r\rELM327 v1.5\r\r", "ATZ", ElmHeaders::Can11).lines, QStringList{"ELM327 V1.5"});
}

TEST(ElmReplyTest, TakesTheEngineUnitsAnswerWhenSeveralUnitsAnswer)
{
    const char *received = "7E9 06 41 00 80 00 00 01\r7E8 06 41 00 BE 3F A8 13\r7EA 06 41 00 80 00 00 00\r";
    std::uint32_t unit = 0;
    const ElmReply reply = ParseElmReply(received, "0100", ElmHeaders::Can11);
    EXPECT_EQ(EngineAnswers(reply, ElmHeaders::Can11, QByteArray("\x41\x00", 2), &unit).size(), 1u);
    EXPECT_EQ(unit, 0x7E8u);
    EXPECT_EQ(pidOf(received, ElmHeaders::Can11, 0x01, 0x00), (std::array<std::uint8_t, 4>{0xBE, 0x3F, 0xA8, 0x13}));
    // Without the engine unit, the lowest address answers.
    EXPECT_EQ(pidOf("7EA 03 41 0D 09\r7E9 03 41 0D 05\r", ElmHeaders::Can11, 0x01, 0x0D)[0], 0x05);
    EXPECT_EQ(pidOf("48 6B 18 41 0D 05 1E\r48 6B 10 41 0D 32 43\r", ElmHeaders::Legacy, 0x01, 0x0D)[0], 0x32);
    // An answer to another PID is no answer.
    EXPECT_EQ(pidOf("7E8 03 41 0D 32\r", ElmHeaders::Can11, 0x01, 0x0C)[0], 0xEE);
}

TEST(ElmReplyTest, JoinsCanFramesIntoOneAnswerPerUnit)
{
    // The VIN of two units, their frames interleaved; the gearbox loses a frame.
    const char *received = "7E8 10 14 49 02 01 57 44 42\r"
                           "7E9 10 14 49 02 01 58 58 58\r"
                           "7E8 21 32 30 33 30 34 36 31\r"
                           "7E9 23 58 58 58 58 58 58 58\r"
                           "7E8 22 41 31 32 33 34 35 36\r";
    const ElmReply reply = ParseElmReply(received, "0902", ElmHeaders::Can11);
    ASSERT_EQ(reply.messages.size(), 1u);
    EXPECT_EQ(reply.messages[0].bytes.size(), 0x14);
    // The lost frame makes the reply untrustworthy as a whole.
    EXPECT_EQ(reply.status, ElmStatus::Broken);
    EXPECT_EQ(VinText(reply, ElmHeaders::Can11), std::nullopt);
    EXPECT_EQ(VinText(ParseElmReply("7E8 10 14 49 02 01 57 44 42\r7E8 21 32 30 33 30 34 36 31\r"
                                    "7E8 22 41 31 32 33 34 35 36\r",
                                    "0902", ElmHeaders::Can11),
                      ElmHeaders::Can11),
              QStringLiteral("WDB2030461A123456"));

    // The older protocols send numbered pieces of four characters.
    const char *pieces = "48 6B 10 49 02 02 44 42 32 30 F8\r48 6B 10 49 02 01 00 00 00 57 66\r"
                         "48 6B 10 49 02 03 33 30 34 36 DE\r48 6B 10 49 02 04 31 41 31 32 E7\r"
                         "48 6B 10 49 02 05 33 34 35 36 E5\r";
    EXPECT_EQ(VinText(ParseElmReply(pieces, "0902", ElmHeaders::Legacy), ElmHeaders::Legacy),
              QStringLiteral("WDB2030461A123456"));
}

TEST(ElmReplyTest, ReadsFaultCodesOfEachProtocol)
{
    EXPECT_EQ(DtcCodes(ParseElmReply("7E8 06 43 02 01 33 C1 05\r", "03", ElmHeaders::Can11), ElmHeaders::Can11, 0x03),
              (QStringList{"0133", "C105"}));
    EXPECT_EQ(DtcCodes(ParseElmReply("7E8 10 0A 43 04 01 33 03 00\r7E8 21 01 71 04 20 00 00 00\r", "03",
                                     ElmHeaders::Can11),
                       ElmHeaders::Can11, 0x03),
              (QStringList{"0133", "0300", "0171", "0420"}));
    EXPECT_EQ(DtcCodes(ParseElmReply("48 6B 10 43 01 33 00 00 00 00 3A\r", "03", ElmHeaders::Legacy),
                       ElmHeaders::Legacy, 0x03),
              QStringList{"0133"});
    EXPECT_EQ(DtcCodes(ParseElmReply("7E8 02 47 00\r", "07", ElmHeaders::Can11), ElmHeaders::Can11, 0x07),
              QStringList());
    EXPECT_EQ(DtcCodes(ParseElmReply("CAN ERROR\r", "03", ElmHeaders::Can11), ElmHeaders::Can11, 0x03), std::nullopt);
}

TEST(ElmReplyTest, ChoosesTheHeaderFormatByProtocolNumber)
{
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("A6")), ElmHeaders::Can11);
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("8")), ElmHeaders::Can11);
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("A7")), ElmHeaders::Can29);
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("A")), ElmHeaders::Can29);
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("A3")), ElmHeaders::Legacy);
    EXPECT_EQ(ElmHeadersForProtocol(QStringLiteral("5")), ElmHeaders::Legacy);
}

namespace {

// What one read makes of a reply: the value as text, or "!" and why it failed.
enum class Read { Rpm, Stored, Status, Clear, Vin };

QString readOf(Read read, const char *received, ElmHeaders headers, std::vector<std::uint32_t> required = {})
{
    static const char *const kCommands[] = {"010C", "03", "0101", "04", "0902"};
    const ElmReply reply = ParseElmReply(received, kCommands[int(read)], headers);
    QString why;
    switch (read) {
    case Read::Rpm: {
        const auto bytes = PidBytes(reply, headers, 0x01, 0x0C, 2);
        return bytes ? QString::number(bytes->bytes[0] * 256 + bytes->bytes[1]) : QStringLiteral("!");
    }
    case Read::Stored: {
        const auto codes = DtcCodes(reply, headers, 0x03, required, &why);
        return codes ? codes->join(u',') : u'!' + why;
    }
    case Read::Status: {
        const MonitorStatus status = CombinedMonitorStatus(reply, headers, required, &why);
        return status.ok ? QStringLiteral("%1 %2 %3 %4 %5")
                               .arg(status.milStatusWord & 0x80 ? "lit" : "out")
                               .arg(status.storedCodeCount)
                               .arg(status.readiness.b, 2, 16, QChar(u'0'))
                               .arg(status.readiness.c, 2, 16, QChar(u'0'))
                               .arg(status.readiness.d, 2, 16, QChar(u'0'))
                         : u'!' + why;
    }
    case Read::Clear: return ClearConfirmed(reply, headers, required, &why) ? QStringLiteral("cleared") : u'!' + why;
    case Read::Vin: return VinText(reply, headers, &why).value_or(u'!' + why);
    }
    return {};
}

} // namespace

// Nothing is filled in, cut short or dropped: a reply that does not hold a whole answer is a
// failed read, and the reason names what went wrong.
TEST(ElmReplyTest, ReadsOnlyWholeAnswers)
{
    const std::vector<std::uint32_t> two{0x7E8, 0x7E9};
    const struct {
        const char *name;
        Read read;
        const char *received;
        ElmHeaders headers;
        const char *expected;
        std::vector<std::uint32_t> required = {};
    } cases[] = {
        {"one byte of two", Read::Rpm, "7E8 03 41 0C 1A\r", ElmHeaders::Can11, "!"},
        {"frame shorter than its length", Read::Rpm, "7E8 05 41 0C 1A\r", ElmHeaders::Can11, "!"},
        {"error after the answer", Read::Stored, "7E8 04 43 01 01 33\rCAN ERROR\r", ElmHeaders::Can11, "!CAN ERROR"},
        {"codes fewer than counted", Read::Stored, "7E8 04 43 02 01 33\r", ElmHeaders::Can11,
         "!niepełna lub uszkodzona odpowiedź (43 02 01 33)"},
        {"multi-frame without its end", Read::Stored, "7E8 10 0A 43 04 01 33 03 00\r", ElmHeaders::Can11,
         "!niepełna lub uszkodzona odpowiedź (7E8 10 0A 43 04 01 33 03 00)"},
        {"multi-frame out of sequence", Read::Stored, "7E8 10 0A 43 04 01 33 03 00\r7E8 22 01 71 04 20 00 00 00\r",
         ElmHeaders::Can11, "!niepełna lub uszkodzona odpowiedź (7E8 22 01 71 04 20 00 00 00)"},
        {"negative answer", Read::Stored, "7E8 03 7F 03 22\r", ElmHeaders::Can11,
         "!sterownik $7E8h odmówił (7F 03 22: warunki nie pozwalają - np. pracuje silnik)"},
        {"answer pending, then the answer", Read::Stored, "7E8 03 7F 03 78\r7E8 04 43 01 01 33\r", ElmHeaders::Can11,
         "0133"},
        {"answer pending and nothing after", Read::Stored, "7E8 03 7F 03 78\r", ElmHeaders::Can11,
         "!sterownik $7E8h odmówił (7F 03 78)"},
        {"no data on CAN", Read::Stored, "NO DATA\r", ElmHeaders::Can11, "!NO DATA"},
        {"no data on ISO 9141-2", Read::Stored, "NO DATA\r", ElmHeaders::Legacy, "!NO DATA"},
        {"no codes on ISO 9141-2", Read::Stored, "48 6B 10 43 00 00 00 00 00 00 06\r", ElmHeaders::Legacy, ""},
        {"lines ended by a line feed alone", Read::Stored, "7E8 06 43 02 01 33 03 00\n7E9 02 43 00\n",
         ElmHeaders::Can11, "0133,0300", two},
        {"line without its check byte", Read::Stored, "48 6B 10 43 01 33 00 00 00 00\r", ElmHeaders::Legacy,
         "!niepełna lub uszkodzona odpowiedź (48 6B 10 43 01 33 00 00 00 00)"},
        {"ISO 14230 header and sum", Read::Stored, "87 F1 10 43 01 33 00 00 00 00 FF\r", ElmHeaders::Legacy, "0133"},
        {"ISO 14230 length that does not fit", Read::Stored, "86 F1 10 43 01 33 00 00 00 00 FE\r", ElmHeaders::Legacy,
         "!niepełna lub uszkodzona odpowiedź (86 F1 10 43 01 33 00 00 00 00 FE)"},
        {"VIN one short", Read::Vin,
         "7E8 10 13 49 02 01 57 44 42\r7E8 21 32 30 33 30 34 36 31\r"
         "7E8 22 41 31 32 33 34 35 00\r",
         ElmHeaders::Can11,
         "!niepełna lub uszkodzona odpowiedź (49 02 01 57 44 42 32 30 33 30 34 36 31 41 31 32 33 34 35)"},
        {"VIN piece lost", Read::Vin,
         "48 6B 10 49 02 01 00 00 00 57 66\r48 6B 10 49 02 03 33 30 34 36 DE\r48 6B 10 49 02 04 31 41 31 32 E7\r"
         "48 6B 10 49 02 05 33 34 35 36 E5\r",
         ElmHeaders::Legacy, "!niepełna lub uszkodzona odpowiedź (33 30 34 36)"},

        // Every unit counts.
        {"codes of two units, each once", Read::Stored, "7E9 06 43 02 07 00 01 33\r7E8 06 43 02 01 33 03 00\r",
         ElmHeaders::Can11, "0133,0300,0700", two},
        {"a unit that keeps quiet", Read::Stored, "7E8 04 43 01 01 33\r", ElmHeaders::Can11,
         "!sterownik $7E9h nie odpowiedział", two},
        {"older protocol: units by source byte", Read::Stored,
         "48 6B 10 43 01 33 00 00 00 00 3A\r48 6B 18 43 07 00 00 00 00 00 15\r", ElmHeaders::Legacy, "0133,0700"},
        {"lamp of either unit, codes summed", Read::Status, "7E8 06 41 01 02 07 65 04\r7E9 06 41 01 81 00 00 00\r",
         ElmHeaders::Can11, "lit 3 07 65 04"},
        {"readiness: supported by any, complete only when all are", Read::Status,
         "7E8 06 41 01 00 07 05 00\r7E9 06 41 01 00 15 04 04\r7E9 06 41 01 00 00 00 00\r", ElmHeaders::Can11,
         "out 0 17 05 04"},
        {"status bits of unsupported monitors mean nothing", Read::Status, "7E8 06 41 01 00 70 00 FF\r",
         ElmHeaders::Can11, "out 0 00 00 00"},
        {"status of one unit of two", Read::Status, "7E8 06 41 01 00 07 65 04\r", ElmHeaders::Can11,
         "!sterownik $7E9h nie odpowiedział", two},
        {"status too short", Read::Status, "7E8 05 41 01 00 07 65\r", ElmHeaders::Can11,
         "!niepełna lub uszkodzona odpowiedź (41 01 00 07 65)"},
        {"both units clear", Read::Clear, "7E8 01 44\r7E9 01 44\r", ElmHeaders::Can11, "cleared", two},
        {"a unit refuses the clear", Read::Clear, "7E8 01 44\r7E9 03 7F 04 22\r", ElmHeaders::Can11,
         "!sterownik $7E9h odmówił (7F 04 22: warunki nie pozwalają - np. pracuje silnik)", two},
        {"a unit does not answer the clear", Read::Clear, "7E8 01 44\r", ElmHeaders::Can11,
         "!sterownik $7E9h nie odpowiedział", two},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(readOf(entry.read, entry.received, entry.headers, entry.required), QString::fromUtf8(entry.expected))
            << entry.name;
}

TEST(ElmReplyTest, TellsTheHeaderFormatFromTheLinesOfAClone)
{
    EXPECT_FALSE(IsElmProtocolNumber(QStringLiteral("OK")));
    EXPECT_TRUE(IsElmProtocolNumber(QStringLiteral("A6")));
    EXPECT_EQ(ElmHeadersFromLines("SEARCHING...\r7E8 06 41 00 BE 3F A8 13\r"), ElmHeaders::Can11);
    EXPECT_EQ(ElmHeadersFromLines("18 DA F1 10 06 41 00 BE 3F A8 13\r"), ElmHeaders::Can29);
    EXPECT_EQ(ElmHeadersFromLines("48 6B 10 41 00 BE 3F A8 13 8E\r"), ElmHeaders::Legacy);
    EXPECT_EQ(ElmHeadersFromLines("NO DATA\r"), std::nullopt);
}
