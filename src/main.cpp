#include "core/catalogue/LanguageModule.h"
#include "core/catalogue/ToolkitTranslation.h"
#include "core/platform/DiskLogFiles.h"
#include "core/platform/FileSettingsStore.h"
#include "core/platform/SystemClock.h"
#include "core/platform/SystemLocaleFacts.h"
#include "core/platform/SystemSerialPorts.h"
#include "core/vehicle/Elm327AdapterFactory.h"
#include "gui/mainwindow/KorvathApplication.h"
#include "gui/mainwindow/StartWarmUp.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"
#include "gui/platform/Platform.h"
#include "gui/platform/QtDialogs.h"
#include "gui/platform/SystemTones.h"

#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    StartWarmUp warmUp;
    KorvathApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.korvath.Diag"));
    KorvathApplication::useLayoutFonts();
    warmUp.applicationReady();

    SystemLocaleFacts locale;
    const std::unique_ptr<LanguageModule> module =
        LanguageModule::choose(QCoreApplication::applicationFilePath(), locale.languageAbbreviation());
    LanguageModule::activate(module.get());
    installToolkitTranslation(module.get());

    SystemClock clock;
    SystemTones tones;
    QtDialogs dialogs;
    FileSettingsStore settings;
    SystemSerialPorts ports;
    DiskLogFiles logFiles;
    Elm327AdapterFactory adapters;
    Platform platform{clock, tones, dialogs, settings, locale, ports, logFiles, adapters};

    int status = 0;
    try {
        Workstation workstation(platform, nullptr, Workstation::Start::PaintFirst);
        workstation.mainForm().show();
        status = QApplication::exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromLocal8Bit(error.what()));
        status = 1;
    }
    LanguageModule::activate(nullptr);
    return status;
}
