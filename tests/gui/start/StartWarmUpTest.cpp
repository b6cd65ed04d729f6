// Its own program: the warm-up starts before any Qt object exists, as in the program's main(), and
// a test program with its application object already made could not show what that start does.
#include "gui/mainwindow/StartWarmUp.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace {

QStringList threadWarnings;

void keepThreadWarning(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (text.contains(QLatin1String("thread"), Qt::CaseInsensitive))
        threadWarnings << text;
}

} // namespace

// Qt takes the first thread that makes one of its objects for the program's main thread; a
// warm-up that touched Qt before the application object would make the application a stranger
// in its own thread (a warning, then a crash now and then).
TEST(StartWarmUpTest, TheApplicationMadeAfterTheWarmUpStartIsOnTheMainThread)
{
    qInstallMessageHandler(keepThreadWarning);
    auto warmUp = std::make_unique<StartWarmUp>();
    warmUp.reset(); // its work before the application is done, as on a slow display
    warmUp = std::make_unique<StartWarmUp>();

    int argc = 1;
    char name[] = "start_warmup_test";
    char *argv[] = {name, nullptr};
    {
        QApplication app(argc, argv);
        warmUp->applicationReady();
        EXPECT_FALSE(QFontDatabase::families().isEmpty());
        EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(10000));
    }
    qInstallMessageHandler(nullptr);
    EXPECT_TRUE(threadWarnings.isEmpty()) << threadWarnings.join(u'\n').toStdString();
}
