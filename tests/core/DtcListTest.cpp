#include "core/faults/TDtcList.h"

#include <QStringList>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString kNoDescription = QStringLiteral("Brak opisu kodu w bazie");

// Walks the list the way its clients do and collects the codes.
QStringList walk(TDtcList &list)
{
    QStringList codes;
    list.Reset();
    while (list.Next() != 0)
        codes << list.CurrentCode();
    return codes;
}

} // namespace

TEST(DtcListTest, NextCountsDownToZeroOverTheEntries)
{
    TDtcList list;
    for (int i = 1; i <= 12; ++i)
        list.Add(QStringLiteral("01%1").arg(i, 2, 10, QLatin1Char('0')));
    list.Reset();
    for (int expected = 12; expected >= 1; --expected) {
        ASSERT_EQ(list.Next(), expected);
        EXPECT_EQ(list.CurrentCode(), QStringLiteral("P01%1").arg(13 - expected, 2, 10, QLatin1Char('0')));
    }
    EXPECT_EQ(list.Next(), 0);
    EXPECT_EQ(list.CurrentCode(), QString());
    EXPECT_EQ(list.CurrentDescription(), kNoDescription);
    EXPECT_EQ(list.Next(), -1);
}

TEST(DtcListTest, CurrentCodeIsEmptyUnlessTheCursorStandsOnAnEntry)
{
    TDtcList list;
    EXPECT_EQ(list.Cursor(), -1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 50);
    list.Reset();
    EXPECT_EQ(list.Next(), 0); // an empty list ends at once
    EXPECT_EQ(list.CurrentCode(), QString());

    list.Add(QStringLiteral("0103"));
    list.Add(QStringLiteral("0103"));
    EXPECT_EQ(list.Cursor(), 2); // one past the last entry
    EXPECT_EQ(list.CurrentCode(), QString());
    list.Reset();
    EXPECT_EQ(list.CurrentCode(), QString());
    EXPECT_EQ(list.CurrentDescription(), kNoDescription);

    EXPECT_EQ(list.Next(), 2);
    EXPECT_EQ(list.CurrentCode(), QStringLiteral("P0103"));
    EXPECT_EQ(list.CurrentDescription(),
              QStringLiteral("Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy "));
    EXPECT_EQ(list.Next(), 1);
    EXPECT_EQ(list.CurrentCode(), QStringLiteral("P0103")); // duplicates stay
}

TEST(DtcListTest, TheFiftyFirstAddDoublesTheSlotsAndKeepsTheEntries)
{
    TDtcList list;
    QStringList expected;
    for (int i = 0; i < 50; ++i) {
        const QString tail = QStringLiteral("%1").arg(i * 79, 3, 16, QLatin1Char('0'));
        list.Add(QLatin1Char('8') + tail);
        expected << QLatin1String("B0") + tail;
    }
    EXPECT_EQ(list.Capacity(), 50);

    list.Add(QStringLiteral("0103"));
    expected << QStringLiteral("P0103");
    EXPECT_EQ(list.Count(), 51);
    EXPECT_EQ(list.Capacity(), 100);
    EXPECT_EQ(walk(list), expected);

    while (list.Count() < 100)
        list.Add(QStringLiteral("0000"));
    EXPECT_EQ(list.Capacity(), 100);
    list.Add(QStringLiteral("0000"));
    EXPECT_EQ(list.Capacity(), 200);
    EXPECT_EQ(walk(list).mid(0, 51), expected);
}

TEST(DtcListTest, ConvertsRawTextsIncludingMalformedOnes)
{
    const struct {
        const char16_t *raw;
        const char16_t *code;
    } cases[] = {
        {u"0103", u"P0103"},      {u"3fff", u"P3fff"}, {u"4732", u"C0732"}, {u"7fff", u"C3fff"},
        {u"8848", u"B0848"},      {u"A123", u"B2123"}, {u"b000", u"B3000"}, {u"C123", u"U0123"},
        {u"F000", u"U3000"},      {u"e12", u"U212"},   {u"d", u"U1"},       {u"", u"P0"},
        {u"123456", u"P1234"},    {u"x123", u"P0123"}, {u"G9zz", u"P09zz"}, {u" 8848", u"P0884"},
        {u"\u0663123", u"P0123"}, // an Arabic-Indic three is no hexadecimal digit
        {u"\uFF21123", u"P0123"}, // nor is a full-width A
    };
    TDtcList list;
    QStringList expected;
    for (const auto &[raw, code] : cases) {
        list.Add(QString::fromUtf16(raw));
        expected << QString::fromUtf16(code);
    }
    EXPECT_EQ(walk(list), expected);
}

TEST(DtcListTest, DescribeIgnoresTheListState)
{
    TDtcList list;
    list.Add(QStringLiteral("0420"));
    list.Reset();
    list.Next();
    EXPECT_EQ(list.Describe(QStringLiteral("P0301")), QStringLiteral("Cylinder 1 - wykryte wypadanie zapłonów "));
    EXPECT_EQ(list.Describe(QString()), kNoDescription);
    EXPECT_EQ(list.CurrentCode(), QStringLiteral("P0420"));
    EXPECT_EQ(list.CurrentDescription(), QStringLiteral("System katalizatora (Bank 1) - wydajność poniżej progu "));

    // A list of a real car's codes describes them from the generic table too; Describe does not.
    TDtcList real(DtcOrigin::RealVehicle);
    real.Add(QStringLiteral("C100"));
    real.Reset();
    real.Next();
    EXPECT_EQ(real.CurrentDescription(), QStringLiteral("Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A"));
    EXPECT_EQ(real.Describe(QStringLiteral("U0100")), kNoDescription);
}
