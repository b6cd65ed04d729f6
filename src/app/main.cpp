#include "KorvathApplication.h"
#include "LanguageModule.h"
#include "TMainForm.h"
#include "Workstation.h"
#include "platform/FileSettingsStore.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/SystemClock.h"
#include "platform/SystemLocaleFacts.h"
#include "platform/SystemTones.h"

#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    KorvathApplication app(argc, argv);

    SystemLocaleFacts locale;
    const std::unique_ptr<LanguageModule> module =
        LanguageModule::choose(QCoreApplication::applicationFilePath(), locale.languageAbbreviation());
    LanguageModule::activate(module.get());

    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    KorvathApplication::useLayoutFonts();

    SystemClock clock;
    SystemTones tones;
    QtDialogs dialogs;
    FileSettingsStore settings;
    Platform platform{clock, tones, dialogs, settings, locale};

    int status = 0;
    try {
        Workstation workstation(platform);
        workstation.mainForm().show();
        status = QApplication::exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromLocal8Bit(error.what()));
        status = 1;
    }
    LanguageModule::activate(nullptr);
    return status;
}
