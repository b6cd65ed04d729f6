#include "gui/mainwindow/KorvathApplication.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Windows on Qt's offscreen platform, on a screen the size of the workshop's desktop, so
    // that placing a window on the screen means something.
    QTemporaryDir platformDir;
    const QString screens = platformDir.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    KorvathApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    QApplication::setQuitOnLastWindowClosed(false);
    KorvathApplication::useLayoutFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
