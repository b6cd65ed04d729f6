#include "support/gui/WorkstationFixture.h"

#include <QGroupBox>
#include <QImage>

namespace {

// The pixel rows of a group box's frame lines, as seen in one pixel column of the grabbed box:
// a row whose colour differs from the rows two above and two below is part of a line.
QList<int> frameLineRows(QGroupBox &box, int x)
{
    const QImage image = box.grab().toImage();
    QList<int> rows;
    for (int y = 2; y + 2 < image.height(); ++y) {
        const QRgb pixel = image.pixel(x, y);
        if (pixel != image.pixel(x, y - 2) && pixel != image.pixel(x, y + 2))
            rows << y;
    }
    return rows;
}

} // namespace

class FrameLinesTest : public WorkstationTest {};

// The layouts place these controls a little more than half a caption below their box's top
// edge: the box's frame must run around them, not through them.
TEST_F(FrameLinesTest, NoFrameLineCrossesAControlNearTheTopOfItsBox)
{
    const struct {
        const char *box;
        const char *control;
    } cases[] = {
        {"GroupBoxFreezeFrame", "ButtonFreezeRead"},
        {"GroupBoxSensors", "StringGridSensors"},
        {"GroupBox4", "GroupBox5"}, // the dyno's "Parametry" caption
    };
    for (const auto &[boxName, controlName] : cases) {
        SCOPED_TRACE(controlName);
        auto *box = main().findChild<QGroupBox *>(QString::fromLatin1(boxName));
        auto *control = main().findChild<QWidget *>(QString::fromLatin1(controlName));
        ASSERT_NE(box, nullptr);
        ASSERT_NE(control, nullptr);
        const QRect place = control->geometry();
        // A column between the control's right edge and the box's own right line.
        const int x = place.right() + 3;
        ASSERT_LT(x, box->width() - 4);

        const QList<int> lines = frameLineRows(*box, x);
        ASSERT_FALSE(lines.isEmpty()) << "no frame drawn";
        EXPECT_LT(lines.first(), place.top()) << "the top line runs below the control's top edge";
        for (int y : lines)
            EXPECT_TRUE(y < place.top() || y > place.bottom()) << "a frame line at y = " << y;
    }
}
