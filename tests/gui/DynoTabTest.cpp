#include "support/gui/MeasureFixture.h"

#include <QPushButton>

#include <qcustomplot.h>

namespace {

class DynoTabTest : public MeasureTabTest {
protected:
    void SetUp() override
    {
        MeasureTabTest::SetUp();
        openMeasureTab(main().TabDyno);
    }

    ChartSeries &powerLine() { return *main().dynoTab().DynoPowerLine; }
    ChartSeries &powerPeak() { return *main().dynoTab().DynoPowerPeak; }
    ChartSeries &torqueLine() { return *main().dynoTab().DynoTorqueLine; }
    ChartSeries &torquePeak() { return *main().dynoTab().DynoTorquePeak; }

    QStringList results()
    {
        return {dyno().EditDyno_Moment->text(), dyno().EditDyno_Moment_RPM->text(), dyno().EditDyno_Moc->text(),
                dyno().EditDyno_Moc_RPM->text()};
    }
    std::vector<QLineEdit *> parameterFields()
    {
        return {dyno().EditDyno_G,   dyno().EditDyno_i_epsilon, dyno().EditDyno_Cx, dyno().EditDyno_r_stat,
                dyno().EditDyno_B,   dyno().EditDyno_H,         dyno().EditDyno_h1, dyno().EditDyno_f1,
                dyno().EditDyno_eta, dyno().EditDyno_delta};
    }
    QStringList defaultsShown()
    {
        QStringList texts;
        for (QLineEdit *edit : {dyno().EditDyno_G, dyno().EditDyno_i_epsilon, dyno().EditDyno_Cx,
                                dyno().EditDyno_r_stat, dyno().EditDyno_F, dyno().EditDyno_B, dyno().EditDyno_H,
                                dyno().EditDyno_h1, dyno().EditDyno_f1, dyno().EditDyno_eta, dyno().EditDyno_delta})
            texts << edit->text();
        return texts;
    }
    void type(QLineEdit *edit, const char *value)
    {
        edit->selectAll();
        if (*value == '\0')
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text(value));
    }
};

const QStringList kDefaults{QStringLiteral("1600"), QStringLiteral("4,78"),   QStringLiteral("0,5"),
                            QStringLiteral("250"),  QStringLiteral("2,2528"), QStringLiteral("1760"),
                            QStringLiteral("1420"), QStringLiteral("140"),    QStringLiteral("0,016"),
                            QStringLiteral("0,88"), QStringLiteral("1,087")};

} // namespace

TEST_F(DynoTabTest, TheDefaultVehicleGivesTheWorkedCurvesAndMaxima)
{
    EXPECT_EQ(defaultsShown(), kDefaults);
    QStringList during;
    bool fieldsLocked = true;
    after(1000, [&] {
        during << dyno().LabelRPM->text() << dyno().ButtonStartDyno->text();
        during << (dyno().LabelRPM->isHidden() ? text("hidden") : text("shown"));
        during << (dyno().ButtonDynoReset->isHidden() ? text("hidden") : text("shown"));
        for (QLineEdit *edit : parameterFields())
            fieldsLocked = fieldsLocked && !edit->isEnabled();
    });
    click(dyno().ButtonStartDyno);

    // Start beep, then 200 ms to each of the 106 samples; the fourth sample is shown at 1000 ms.
    EXPECT_EQ(during, (QStringList{text("1551"), QStringLiteral("Przerwij pomiar"), text("shown"), text("hidden")}));
    EXPECT_TRUE(fieldsLocked);
    EXPECT_EQ(pauses(), std::vector<int>(106, 200));
    EXPECT_EQ(tones(), (std::vector<std::pair<int, int>>{{1000, 200}, {1000, 1000}}));

    ASSERT_EQ(powerLine().count(), 104);
    ASSERT_EQ(torqueLine().count(), 104);
    EXPECT_EQ(powerLine().x(0), 1499);
    EXPECT_EQ(powerLine().y(0), 15);
    EXPECT_EQ(torqueLine().y(0), 96);
    EXPECT_EQ(powerLine().x(103), 5495);
    EXPECT_EQ(powerLine().y(103), 72);
    EXPECT_EQ(torqueLine().y(103), 126);
    EXPECT_EQ(results(), (QStringList{text("185"), text("3599"), text("80"), text("4563")}));
    ASSERT_EQ(torquePeak().count(), 1);
    ASSERT_EQ(powerPeak().count(), 1);
    EXPECT_EQ(torquePeak().x(0), 3599);
    EXPECT_EQ(torquePeak().y(0), 185);
    EXPECT_EQ(powerPeak().x(0), 4563);
    EXPECT_EQ(powerPeak().y(0), 80);
    EXPECT_EQ(powerLine().colour(), QColor(0xFF, 0, 0));
    EXPECT_EQ(powerPeak().colour(), QColor(0xFF, 0, 0));
    EXPECT_EQ(torqueLine().colour(), QColor(0, 0xFF, 0));
    EXPECT_EQ(torquePeak().colour(), QColor(0, 0xFF, 0));
    EXPECT_EQ(torquePeak().graph().scatterStyle().shape(), QCPScatterStyle::ssTriangleInverted);
    EXPECT_EQ(powerPeak().graph().scatterStyle().shape(), QCPScatterStyle::ssTriangleInverted);
    EXPECT_EQ(dyno().ChartDyno->xAxis->range().lower, 0);
    EXPECT_EQ(dyno().ChartDyno->yAxis->range().lower, 0);
    EXPECT_GT(dyno().ChartDyno->yAxis->range().upper, 185);

    EXPECT_FALSE(state().DynoRunning);
    EXPECT_EQ(dyno().ButtonStartDyno->text(), QStringLiteral("Rozpocznij pomiar"));
    EXPECT_TRUE(dyno().LabelRPM->isHidden());
    EXPECT_TRUE(dyno().LabelRPMCap->isHidden());
    EXPECT_FALSE(dyno().ButtonDynoReset->isHidden());
    for (QLineEdit *edit : parameterFields())
        EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
}

TEST_F(DynoTabTest, CancelKeepsThePartialCurvesWithoutMarkersAndEmptiesTheResults)
{
    after(3000, [&] { click(dyno().ButtonStartDyno); });
    click(dyno().ButtonStartDyno);
    EXPECT_FALSE(state().DynoRunning);
    EXPECT_EQ(powerLine().count(), 13); // samples 2 .. 14 of the 15 taken by 3000 ms
    EXPECT_EQ(torqueLine().count(), 13);
    EXPECT_EQ(powerPeak().count(), 0);
    EXPECT_EQ(torquePeak().count(), 0);
    EXPECT_EQ(results(), QStringList(4, QString()));
    EXPECT_EQ(tones().size(), 1u); // no end beep
    EXPECT_TRUE(dyno().LabelRPM->isHidden());
    EXPECT_FALSE(dyno().ButtonDynoReset->isHidden());
    EXPECT_EQ(dyno().ButtonStartDyno->text(), QStringLiteral("Rozpocznij pomiar"));
    EXPECT_TRUE(dyno().EditDyno_G->isEnabled());
}

TEST_F(DynoTabTest, ATabChangeOrTheResetButtonClearsCurvesMarkersAndResults)
{
    click(dyno().ButtonStartDyno);
    ASSERT_EQ(torquePeak().count(), 1);
    clickTab(main().TabPlot);
    EXPECT_EQ(currentPage(), main().TabPlot);
    for (ChartSeries *series : {&powerLine(), &powerPeak(), &torqueLine(), &torquePeak()})
        EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(results(), QStringList(4, QString()));

    clickTab(main().TabDyno);
    click(dyno().ButtonStartDyno);
    type(dyno().EditDyno_G, "1200");
    type(dyno().EditDyno_B, "1800");
    type(dyno().EditDyno_eta, "x");
    click(dyno().ButtonDynoReset);
    EXPECT_EQ(defaultsShown(), kDefaults);
    EXPECT_EQ(results(), QStringList(4, QString()));
    EXPECT_EQ(powerLine().count(), 0);
    EXPECT_EQ(torquePeak().count(), 0);
}

TEST_F(DynoTabTest, ATabClickRefusedDuringTheRunLeavesTheRunDisplayAlone)
{
    bool rpmShown = false;
    QWidget *pageAfterClick = nullptr;
    after(3000, [&] {
        clickTab(main().TabPlot);
        rpmShown = !dyno().LabelRPM->isHidden();
        pageAfterClick = currentPage();
    });
    click(dyno().ButtonStartDyno);
    EXPECT_EQ(pageAfterClick, main().TabDyno);
    EXPECT_TRUE(rpmShown);
    EXPECT_EQ(powerLine().count(), 104);
    EXPECT_EQ(results(), (QStringList{text("185"), text("3599"), text("80"), text("4563")}));
}

TEST_F(DynoTabTest, RozlaczEmptiesTheAccelerationAndDynoTabs)
{
    // The tab gate empties both tabs on the way to "Główna" already; here the pages are changed
    // past the gate, so that only the disconnection can empty them.
    click(dyno().ButtonStartDyno);
    main().Pages->setCurrentWidget(main().TabAccel);
    clickRadio(accel().RadioButtonSpd4);
    accel().MaskEditVpocz->setText(text("0"));
    accel().MaskEditVkonc->setText(text("10"));
    click(accel().ButtonAccelStart);
    main().Pages->setCurrentWidget(main().TabMain);
    ASSERT_EQ(shownAccelLabels().size(), 2);
    ASSERT_GT(main().accelTab().AccelSeries->count(), 0);
    ASSERT_EQ(torquePeak().count(), 1);

    clickPolacz();
    EXPECT_TRUE(shownAccelLabels().isEmpty());
    EXPECT_EQ(main().accelTab().AccelSeries->count(), 0);
    for (ChartSeries *series : {&powerLine(), &powerPeak(), &torqueLine(), &torquePeak()})
        EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(results(), QStringList(4, QString()));
}

TEST_F(DynoTabTest, FrontalAreaFollowsTheBodySize)
{
    const struct {
        const char *B, *H, *h1, *F;
    } cases[] = {
        {"1760", "1420", "140", "2,2528"},  {"1800", "1500", "150", "2,43"}, {"1760", "140", "140", "0"},
        {"17a5", "1420", "140", "0,02176"}, {"", "1420", "140", "0"},
    };
    for (const auto &c : cases) {
        type(dyno().EditDyno_B, c.B);
        type(dyno().EditDyno_H, c.H);
        type(dyno().EditDyno_h1, c.h1);
        EXPECT_EQ(dyno().EditDyno_F->text(), text(c.F)) << c.B << " " << c.H << " " << c.h1;
    }
    EXPECT_TRUE(dyno().EditDyno_F->isReadOnly());
}

TEST_F(DynoTabTest, WrongParametersAreReportedAndNothingStarts)
{
    const struct {
        QLineEdit *edit;
        const char *value;
        const char *message;
    } cases[] = {
        {dyno().EditDyno_G, "abc", "Niepoprawna wartość numeryczna !"},
        {dyno().EditDyno_G, "0", "Niepoprawne parametry !"},
        {dyno().EditDyno_i_epsilon, "4.78", "Niepoprawna wartość numeryczna !"},
        {dyno().EditDyno_delta, "-1", "Niepoprawne parametry !"},
        {dyno().EditDyno_H, "140", "Niepoprawne parametry !"},
        {dyno().EditDyno_B, "0", "Niepoprawne parametry !"},
    };
    for (const auto &c : cases) {
        click(dyno().ButtonDynoReset);
        type(c.edit, c.value);
        env.dialogs.shown.clear();
        click(dyno().ButtonStartDyno);
        ASSERT_EQ(env.dialogs.shown.size(), 1u) << c.value;
        EXPECT_EQ(env.dialogs.shown[0].text, QString::fromUtf8(c.message)) << c.value;
        EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(env.dialogs.shown[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(state().DynoRunning);
        EXPECT_EQ(powerLine().count(), 0);
        EXPECT_EQ(c.edit->text(), text(c.value));
    }
    EXPECT_TRUE(tones().empty());
}

TEST_F(DynoTabTest, AResultBeyondTheIntegerRangeShowsTheOverRangeMarkNotItsLastDigits)
{
    type(dyno().EditDyno_G, "900000000000");
    QStringList shown;
    after(3000, [&] {
        shown = results();
        for (QLineEdit *field : {dyno().EditDyno_Moment, dyno().EditDyno_Moc})
            shown << QString::number(field->cursorPosition());
        click(dyno().ButtonStartDyno);
    });
    click(dyno().ButtonStartDyno);
    ASSERT_EQ(shown.size(), 6);
    EXPECT_EQ(shown[0], QStringLiteral("####"));
    EXPECT_EQ(shown[4], QStringLiteral("0")); // the text shows from its start
}
