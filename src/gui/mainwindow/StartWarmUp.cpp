#include "gui/mainwindow/StartWarmUp.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

// Nothing of Qt is touched before the application object exists: Qt takes the first thread that
// makes one of its objects for the program's main thread.
StartWarmUp::StartWarmUp() : m_before([] { FcInit(); })
{
}

StartWarmUp::~StartWarmUp()
{
    if (m_before.joinable())
        m_before.join();
}

void StartWarmUp::applicationReady()
{
    if (m_before.joinable())
        m_before.join();
    QThreadPool &pool = *QThreadPool::globalInstance();
    pool.start([] { QImageReader::supportedImageFormats(); });
    // The font database is shared by every thread; the main thread finds it filled, or waits for
    // it rather than filling it a second time.
    pool.start([] { QFontDatabase::families(); });
}
