#include "support/gui/MeasureFixture.h"

#include <qcustomplot.h>

namespace {

class AccelTabTest : public MeasureTabTest {
protected:
    void SetUp() override
    {
        MeasureTabTest::SetUp();
        openMeasureTab(main().TabAccel);
    }

    ChartSeries &series() { return *main().accelTab().AccelSeries; }

    void chooseTyped(const char *start, const char *end)
    {
        clickRadio(accel().RadioButtonSpd4);
        accel().MaskEditVpocz->setText(text(start));
        accel().MaskEditVkonc->setText(text(end));
    }

    std::vector<double> speeds()
    {
        std::vector<double> values;
        for (int i = 0; i < series().count(); ++i)
            values.push_back(series().y(i));
        return values;
    }
};

const std::vector<std::pair<int, int>> kFullRunTones{{1000, 100}, {1000, 100}, {1000, 100}, {1000, 200}, {1000, 1000}};

} // namespace

TEST_F(AccelTabTest, ZeroToHundredGuidesTheDriverAndTimesTheRun)
{
    QStringList seen;
    QStringList shownWhileMeasuring;
    QString caption;
    bool radiosLocked = false;
    double axisLow = -1, axisHigh = -1;
    after(200, [&] {
        seen << accel().LabelMsg->text() << accel().LabelMsg2->text();
        caption = accel().ButtonAccelStart->text();
        radiosLocked = !accel().RadioButtonSpd1->isEnabled() && !accel().RadioButtonSpd4->isEnabled();
        axisLow = accel().ChartAccel->yAxis->range().lower;
        axisHigh = accel().ChartAccel->yAxis->range().upper;
    });
    after(4000, [&] { seen << accel().LabelMsg2->text(); });
    after(4600, [&] { seen << accel().LabelMsg->text(); });
    after(6950, [&] {
        seen << accel().LabelSpeed->text() << accel().LabelTime->text();
        shownWhileMeasuring = shownAccelLabels();
    });
    click(accel().ButtonAccelStart);

    EXPECT_EQ(seen, (QStringList{QStringLiteral("Zatrzymaj pojazd !!!"), text("20 km/h"), text("1 km/h"),
                                 text("Przyspiesz do 100 km/h"), text("4 km/h"), text("00\" 200")}));
    EXPECT_EQ(caption, QStringLiteral("Przerwij pomiar"));
    EXPECT_TRUE(radiosLocked);
    EXPECT_EQ(axisLow, 0);
    EXPECT_EQ(axisHigh, 100);
    EXPECT_EQ(shownWhileMeasuring, (QStringList{text("LabelSpeed"), text("LabelTime")}));

    // 47 steps, the last exactly at 100 km/h: 200 ms of start signal and 47 x 150 ms.
    const std::vector<double> trace = speeds();
    ASSERT_EQ(trace.size(), 47u);
    EXPECT_EQ(trace[0], 4);
    EXPECT_EQ(trace[12], 52);
    EXPECT_EQ(trace[27], 81);
    EXPECT_EQ(trace[46], 100);
    EXPECT_EQ(series().colour(), QColor(0xFF, 0, 0));
    EXPECT_EQ(accel().LabelSpeedResult1->text(), text("0 - 100 km/h"));
    EXPECT_EQ(accel().LabelSpeedResult2->text(), text("07\" 250"));
    EXPECT_EQ(shownAccelLabels(), (QStringList{text("LabelSpeedResult1"), text("LabelSpeedResult2")}));

    EXPECT_EQ(tones(), kFullRunTones);
    std::vector<int> expectedPauses(20, 200);
    expectedPauses.insert(expectedPauses.end(), {100, 100, 100, 2000});
    expectedPauses.insert(expectedPauses.end(), 47, 150);
    EXPECT_EQ(pauses(), expectedPauses);

    EXPECT_FALSE(state().AccelRunning);
    EXPECT_EQ(accel().ButtonAccelStart->text(), QStringLiteral("Rozpocznij pomiar"));
    EXPECT_TRUE(accel().RadioButtonSpd1->isEnabled());
    EXPECT_TRUE(accel().RadioButtonSpd4->isEnabled());
}

TEST_F(AccelTabTest, TheFixedRangesCountTheirSteps)
{
    const struct {
        QRadioButton *button;
        const char *slowPrompt;
        const char *firstSlowSpeed;
        const char *accelPrompt;
        std::size_t steps;
        const char *result;
        const char *time;
    } cases[] = {
        {accel().RadioButtonSpd2, "Zwolnij poniżej 60 km/h", "80 km/h", "Przyspiesz do 100 km/h", 30, "60 - 100 km/h",
         "04\" 700"},
        {accel().RadioButtonSpd3, "Zwolnij poniżej 80 km/h", "100 km/h", "Przyspiesz do 120 km/h", 40, "80 - 120 km/h",
         "06\" 200"},
    };
    for (const auto &c : cases) {
        clickRadio(c.button);
        QStringList seen;
        after(200, [&] { seen << accel().LabelMsg->text() << accel().LabelMsg2->text(); });
        after(4600, [&] { seen << accel().LabelMsg->text(); });
        click(accel().ButtonAccelStart);
        EXPECT_EQ(seen, (QStringList{QString::fromUtf8(c.slowPrompt), text(c.firstSlowSpeed), text(c.accelPrompt)}));
        EXPECT_EQ(std::size_t(series().count()), c.steps);
        EXPECT_EQ(accel().LabelSpeedResult1->text(), text(c.result));
        EXPECT_EQ(accel().LabelSpeedResult2->text(), text(c.time));
    }
}

TEST_F(AccelTabTest, TypedRangesRunFromTheirFieldsAndEndWithinTheLastStep)
{
    EXPECT_FALSE(accel().MaskEditVpocz->isEnabled());
    chooseTyped("0", "10");
    EXPECT_TRUE(accel().MaskEditVpocz->isEnabled());
    EXPECT_TRUE(accel().MaskEditVkonc->isEnabled());
    click(accel().ButtonAccelStart);
    EXPECT_EQ(speeds(), (std::vector<double>{4, 8, 12}));
    // Two full steps after the 200 ms signal, then half of the third: 200 + 300 + 75 ms.
    EXPECT_EQ(accel().LabelSpeedResult2->text(), text("00\" 575"));
    EXPECT_EQ(accel().LabelSpeedResult1->text(), text("0 - 10 km/h"));

    chooseTyped("", "50");
    click(accel().ButtonAccelStart);
    EXPECT_EQ(series().count(), 13);
    EXPECT_EQ(accel().LabelSpeedResult1->text(), text("0 - 50 km/h"));
    EXPECT_TRUE(env.dialogs.shown.empty());

    clickRadio(accel().RadioButtonSpd2);
    EXPECT_FALSE(accel().MaskEditVpocz->isEnabled());
    EXPECT_FALSE(accel().MaskEditVkonc->isEnabled());
}

TEST_F(AccelTabTest, WrongTypedRangesAreRefusedWithTheirBoxes)
{
    chooseTyped("60", "");
    click(accel().ButtonAccelStart);
    chooseTyped("60", "60");
    click(accel().ButtonAccelStart);
    ASSERT_EQ(env.dialogs.shown.size(), 2u);
    EXPECT_EQ(env.dialogs.shown[0].text, QStringLiteral("Prędkość końcowa musi być większa od 0 !!!"));
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(env.dialogs.shown[1].text, QStringLiteral("Prędkość końcowa musi być większa od początkowej !!!"));
    EXPECT_EQ(env.dialogs.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(env.dialogs.shown[1].buttons, MessageButtons::Ok);
    EXPECT_FALSE(state().AccelRunning);
    EXPECT_TRUE(tones().empty());
    EXPECT_TRUE(pauses().empty());
    EXPECT_TRUE(shownAccelLabels().isEmpty());
}

TEST_F(AccelTabTest, CancelWhileSlowingDownEndsAtOnce)
{
    after(1000, [&] { click(accel().ButtonAccelStart); });
    click(accel().ButtonAccelStart);
    EXPECT_FALSE(state().AccelRunning);
    EXPECT_TRUE(shownAccelLabels().isEmpty());
    EXPECT_EQ(accel().ButtonAccelStart->text(), QStringLiteral("Rozpocznij pomiar"));
    EXPECT_TRUE(accel().RadioButtonSpd1->isEnabled());
    EXPECT_TRUE(tones().empty());
    EXPECT_EQ(pauses(), std::vector<int>(5, 200));
}

TEST_F(AccelTabTest, CancelDuringThePromptTakesEffectAfterTheFirstMeasurementStep)
{
    // The pump after the three beeps (4000 + 600 ms) delivers the cancel.
    QStringList shownAfterCancel;
    after(4600, [&] {
        click(accel().ButtonAccelStart);
        shownAfterCancel = shownAccelLabels();
        click(accel().ButtonAccelStart); // a new start while the old test is still inside: ignored
    });
    click(accel().ButtonAccelStart);
    EXPECT_TRUE(shownAfterCancel.isEmpty());
    EXPECT_EQ(shownAccelLabels(), (QStringList{text("LabelSpeed"), text("LabelTime")}));
    EXPECT_EQ(accel().LabelSpeed->text(), text("4 km/h"));
    EXPECT_EQ(accel().LabelTime->text(), text("00\" 200"));
    EXPECT_EQ(speeds(), std::vector<double>{4});
    EXPECT_EQ(tones(), (std::vector<std::pair<int, int>>{{1000, 100}, {1000, 100}, {1000, 100}, {1000, 200}}));
    EXPECT_FALSE(state().AccelRunning);
    EXPECT_EQ(accel().ButtonAccelStart->text(), QStringLiteral("Rozpocznij pomiar"));
}

TEST_F(AccelTabTest, ResultsStayUntilATabChangeEmptiesThem)
{
    chooseTyped("0", "10");
    click(accel().ButtonAccelStart);
    ASSERT_EQ(shownAccelLabels().size(), 2);
    clickTab(main().TabPlot);
    EXPECT_EQ(currentPage(), main().TabPlot);
    EXPECT_TRUE(shownAccelLabels().isEmpty());
    EXPECT_EQ(series().count(), 0);
    EXPECT_TRUE(accel().RadioButtonSpd4->isChecked()); // the chosen range stays
}
