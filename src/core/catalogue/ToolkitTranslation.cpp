#include "core/catalogue/ToolkitTranslation.h"

#include "core/catalogue/LanguageModule.h"
#include "core/platform/LanguageAbbreviation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Owned by the application object, so it goes when the application does.
QPointer<QTranslator> g_installed;

} // namespace

QLocale toolkitLanguage(LanguageModule *module)
{
    if (module == nullptr)
        return QLocale(QLocale::Polish, QLocale::Poland);
    // The language a module was made for, else the one its file name stands for.
    const QString language = module->translator().language();
    if (!language.isEmpty())
        return QLocale(language);
    return localeOfWindowsAbbreviation(QFileInfo(module->path()).suffix());
}

bool installToolkitTranslation(LanguageModule *module, const QString &directory)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app == nullptr)
        return false;
    delete g_installed; // a translator removes itself from the application when deleted

    const QLocale language = toolkitLanguage(module);
    if (language.language() == QLocale::C)
        return false;
    auto *translator = new QTranslator(app);
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_installed = translator;
    return true;
}
