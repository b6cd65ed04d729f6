#include "core/text/HexDigit.h"

#include <gtest/gtest.h>

TEST(HexDigitTest, DigitsAndBothCasesOfAToFOnly)
{
    const struct {
        char16_t c;
        int value;
    } cases[] = {{u'0', 0},  {u'9', 9},  {u'a', 10}, {u'c', 12}, {u'F', 15}, {u'G', -1}, {u'g', -1},
                 {u'X', -1}, {u' ', -1}, {u'/', -1}, {u':', -1}, {u'@', -1}, {u'`', -1}, {u'\uFF10', -1}};
    for (const auto &c : cases)
        EXPECT_EQ(HexDigit(c.c), c.value) << int(c.c);
    // A byte above 0x7F read as a signed char is no digit either.
    EXPECT_EQ(HexDigit(char16_t(char(0xB1))), -1);
}
