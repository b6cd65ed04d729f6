#include "gui/mainwindow/RecordsMenu.h"

#include "core/report/ReportArchive.h"
#include "core/settings/AppSettings.h"
#include "gui/logview/LogViewerWindow.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/report/ReportArchiveWindow.h"

#include <QAction>
#include <QMenu>

RecordsMenu::RecordsMenu(QMenu &menu, QAction *before, Platform &platform, const AppSettings &settings, QWidget &window)
    : QObject(&menu), m_platform(platform), m_settings(settings), m_window(window)
{
    MnuOtworzLog = new QAction(tr("Otwórz log..."), &menu);
    MnuOtworzLog->setObjectName(QStringLiteral("MnuOtworzLog"));
    MnuOtworzLog->setStatusTip(tr("Pokazuje zapisany log czujników na wykresie i w tabeli."));
    connect(MnuOtworzLog, &QAction::triggered, this, &RecordsMenu::MnuOtworzLogClick);

    MnuArchiwum = new QAction(tr("Archiwum raportów..."), &menu);
    MnuArchiwum->setObjectName(QStringLiteral("MnuArchiwum"));
    MnuArchiwum->setStatusTip(tr("Wydrukowane protokoły, od najnowszego."));
    connect(MnuArchiwum, &QAction::triggered, this, &RecordsMenu::MnuArchiwumClick);

    menu.insertAction(before, MnuOtworzLog);
    menu.insertAction(before, MnuArchiwum);
    menu.insertSeparator(before);
}

void RecordsMenu::MnuOtworzLogClick()
{
    const std::optional<QString> path =
        m_platform.dialogs.chooseFileToOpen(tr("Otwórz log"), m_settings.LogDirectory,
                                            tr("Logi czujników (*.csv);;Wszystkie pliki (*)"));
    if (path)
        LogViewerWindow::open(m_platform, *path, &m_window);
}

void RecordsMenu::MnuArchiwumClick()
{
    ReportArchiveWindow archive(m_platform, ReportArchiveDirectory(m_settings.ReportArchive, m_settings.LogDirectory),
                                &m_window);
    archive.exec();
}
