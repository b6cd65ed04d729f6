#include "core/measure/DynoParameters.h"
#include "core/measure/DynoRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

DynoParameters defaults()
{
    using D = DynoDefaultValues;
    return {D::G, D::i, D::Cx, D::rStat, D::F, D::f, D::eta, D::delta};
}

struct DynoRunResult {
    std::vector<DynoSample> samples;
    std::vector<DynoSample> plotted;
    int Tmax = 0, nTmax = 0, Pmax = 0, nPmax = 0;
};

// A whole run with every interval exactly 200 ms.
DynoRunResult runOf(const DynoParameters &parameters)
{
    DynoSampler sampler(DynoCoefficients::of(parameters));
    DynoRunResult run;
    std::uint32_t tick = 200;
    do {
        run.samples.push_back(sampler.next(tick));
        tick += 200;
        if (run.samples.back().computed)
            run.plotted.push_back(run.samples.back());
    } while (run.samples.back().rising && run.samples.size() < 1000);
    run.Tmax = sampler.Tmax();
    run.nTmax = sampler.nTmax();
    run.Pmax = sampler.Pmax();
    run.nPmax = sampler.nPmax();
    return run;
}

} // namespace

TEST(DynoTest, CoefficientsOfTheDefaultVehicle)
{
    const DynoCoefficients k = DynoCoefficients::of(defaults());
    EXPECT_NEAR(k.rd, 0.26, 1e-12);
    EXPECT_NEAR(k.rollTorque, 14.2412, 5e-5);
    EXPECT_NEAR(k.aeroTorque, 0.00327926, 5e-9);
    EXPECT_NEAR(k.inertiaTorque, 29.8614, 5e-5);
    EXPECT_NEAR(k.speedPerRpm, 0.0205063, 5e-8);
}

TEST(DynoTest, WorkedRunOfTheDefaultVehicle)
{
    const DynoRunResult run = runOf(defaults());
    ASSERT_EQ(run.samples.size(), 106u);
    const std::vector<int> head{1486, 1512, 1538, 1565, 1592};
    for (std::size_t k = 0; k < head.size(); ++k)
        EXPECT_EQ(run.samples[k].n, head[k]);
    const std::vector<int> tail{5437, 5461, 5484, 5507, 5506};
    for (std::size_t k = 0; k < tail.size(); ++k)
        EXPECT_EQ(run.samples[101 + k].n, tail[k]);
    EXPECT_FALSE(run.samples.front().computed);
    EXPECT_FALSE(run.samples.back().computed);
    EXPECT_FALSE(run.samples.back().rising);

    ASSERT_EQ(run.plotted.size(), 104u);
    EXPECT_EQ(run.plotted.front().nAvg, 1499);
    EXPECT_EQ(run.plotted.front().T, 96);
    EXPECT_EQ(run.plotted.front().P, 15);
    EXPECT_EQ(run.plotted.back().nAvg, 5495);
    EXPECT_EQ(run.plotted.back().T, 126);
    EXPECT_EQ(run.plotted.back().P, 72);

    // The first of equal maxima keeps them.
    EXPECT_EQ(run.Tmax, 185);
    EXPECT_EQ(run.nTmax, 3599);
    EXPECT_EQ(run.Pmax, 80);
    EXPECT_EQ(run.nPmax, 4563);
    auto at = [&run](int nAvg) {
        for (const DynoSample &s : run.plotted)
            if (s.nAvg == nAvg)
                return s;
        ADD_FAILURE() << "no sample at " << nAvg;
        return DynoSample{};
    };
    EXPECT_EQ(at(3649).T, 185);
    EXPECT_EQ(at(4757).P, 80);
}

TEST(DynoTest, SampleWithoutElapsedTimeKeepsThePreviousTorque)
{
    DynoSampler sampler(DynoCoefficients::of(defaults()));
    sampler.next(200);
    const DynoSample first = sampler.next(400);
    const DynoSample same = sampler.next(400);
    EXPECT_TRUE(same.computed);
    EXPECT_EQ(same.T, first.T);
    EXPECT_EQ(same.P, first.P);
}

TEST(DynoTest, AbsurdParametersSaturateInsteadOfOverflowing)
{
    DynoParameters heavy = defaults();
    heavy.G = 1e300;
    const DynoRunResult run = runOf(heavy);
    ASSERT_EQ(run.plotted.size(), 104u);
    EXPECT_EQ(run.plotted.front().T, std::numeric_limits<int>::max());
    EXPECT_GT(run.plotted.front().P, 0);
}

TEST(DynoTest, FrontalAreaFromIntegerDimensions)
{
    const struct {
        const char *H, *h1, *B;
        double F;
    } cases[] = {
        {"1420", "140", "1760", 2.2528},
        {"1500", "150", "1800", 2.43},
        {"140", "140", "1760", 0},
        {"1420", "140", "17a5", 0.02176},
        {"", "", "", 0},
        {"1420", "1500", "1760", -0.14080},
        {" 1420", "+140", "1760.9", 2.2528},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(ComputeFrontalArea(QString::fromLatin1(c.H), QString::fromLatin1(c.h1), QString::fromLatin1(c.B)),
                    c.F, 1e-12)
            << c.H << " " << c.h1 << " " << c.B;
    // Ten-digit dimensions do not overflow.
    EXPECT_NEAR(ComputeFrontalArea(QStringLiteral("2000000000"), QStringLiteral("0"), QStringLiteral("2000000000")),
                4e12, 1);
}

TEST(DynoTest, ValidationReportsTheFirstUnreadableTextThenNonPositiveValues)
{
    using Texts = std::array<QString, 8>;
    const Texts good{QStringLiteral("1600"), QStringLiteral("4,78"),   QStringLiteral("0,5"),
                     QStringLiteral("250"),  QStringLiteral("2,2528"), QStringLiteral("0,016"),
                     QStringLiteral("0,88"), QStringLiteral("1,087")};
    const auto ok = ValidateDynoParameters(good, u',');
    ASSERT_TRUE(std::holds_alternative<DynoParameters>(ok));
    EXPECT_DOUBLE_EQ(std::get<DynoParameters>(ok).i, 4.78);
    EXPECT_DOUBLE_EQ(std::get<DynoParameters>(ok).delta, 1.087);

    auto with = [&good](std::size_t k, const char *text) {
        Texts texts = good;
        texts[k] = QString::fromLatin1(text);
        return ValidateDynoParameters(texts, u',');
    };
    auto error = [](const std::variant<DynoParameters, DynoParameterError> &result) {
        return std::holds_alternative<DynoParameterError>(result) ? int(std::get<DynoParameterError>(result)) : -1;
    };
    const int notANumber = int(DynoParameterError::NotANumber);
    const int notPositive = int(DynoParameterError::NotPositive);
    EXPECT_EQ(error(with(0, "abc")), notANumber);
    EXPECT_EQ(error(with(0, "0")), notPositive);
    EXPECT_EQ(error(with(1, "4.78")), notANumber);
    EXPECT_EQ(error(with(4, "0")), notPositive);
    EXPECT_EQ(error(with(7, "-1")), notPositive);
    EXPECT_EQ(error(with(5, "")), notANumber);
    // An unreadable text later in the order wins over a zero earlier.
    Texts both = good;
    both[0] = QStringLiteral("0");
    both[6] = QStringLiteral("x");
    EXPECT_EQ(error(ValidateDynoParameters(both, u',')), notANumber);
}
