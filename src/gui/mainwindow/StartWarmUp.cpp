#include "gui/mainwindow/StartWarmUp.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

StartWarmUp::StartWarmUp()
    : m_before([] {
          FcInit();
          QImageReader::supportedImageFormats();
      })
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
    // The font database is shared by every thread; the main thread finds it filled, or waits for
    // it rather than filling it a second time.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}
