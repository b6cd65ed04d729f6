#include "gui/mainwindow/MainTabPage.h"
#include "gui/widgets/SvgPixmap.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage comparable(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The share of pixels whose colour differs in a channel by more than a font rasteriser's rounding.
double differingShare(const QImage &a, const QImage &b)
{
    qsizetype differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            differing += most > 24 ? 1 : 0;
        }
    }
    return double(differing) / double(a.width() * a.height());
}

} // namespace

// The main tab shows logo.png, which is logo.svg drawn at the size the tab shows it in: an SVG
// changed without drawing the picture anew would leave the old logo on the main tab.
TEST(LogoTest, TheMainTabShowsTheSvgLogoDrawnAtItsSize)
{
    const QImage drawn = comparable(svgPixmap(QStringLiteral(":/logo.svg"), QSize(420, 82)));
    const MainTabPage page;
    const QImage shown = comparable(page.ImageKorvath->pixmap());
    ASSERT_EQ(shown.size(), drawn.size());
    ASSERT_EQ(shown.size(), page.ImageKorvath->size());

    const double share = differingShare(shown, drawn);
    const QString fresh = QDir::temp().filePath(QStringLiteral("logo.png"));
    if (share > 0.01)
        drawn.save(fresh);
    EXPECT_LE(share, 0.01) << "resources/logo.png is not logo.svg as drawn here; the drawing is in "
                           << fresh.toStdString();
}
