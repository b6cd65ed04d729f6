#include "gui/mainwindow/KorvathApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KorvathApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    QApplication::setQuitOnLastWindowClosed(false);
    KorvathApplication::useLayoutFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
