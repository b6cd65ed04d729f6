#include "gui/mainwindow/DebugLogMemo.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

QString lines(int first, int last)
{
    QStringList all;
    for (int line = first; line <= last; ++line)
        all << QStringLiteral("Reading sensors (PID: %1)").arg(line);
    return all.join(u'\n');
}

void append(DebugLogMemo &memo, int first, int last)
{
    for (int line = first; line <= last; ++line)
        memo.appendLine(QStringLiteral("Reading sensors (PID: %1)").arg(line));
}

} // namespace

TEST(DebugLogMemoTest, AHiddenMemoKeepsItsLastLinesWithoutLayingThemOut)
{
    DebugLogMemo memo(5);
    append(memo, 1, 8);
    EXPECT_TRUE(memo.document()->isEmpty()); // nothing laid out while nobody can see it
    EXPECT_EQ(memo.text(), lines(4, 8));
    EXPECT_EQ(memo.lineCount(), 5);

    append(memo, 9, 10);
    memo.show();
    EXPECT_EQ(memo.toPlainText(), lines(6, 10)); // shown as soon as it is on screen
    append(memo, 11, 11);
    EXPECT_EQ(memo.toPlainText(), lines(7, 11));

    memo.hide();
    append(memo, 12, 12);
    memo.reset();
    EXPECT_EQ(memo.text(), QString());
    EXPECT_EQ(memo.lineCount(), 0);
}
