#include "core/catalogue/LanguageModule.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/catalogue/ModuleFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

LanguageModule *g_active = nullptr;

} // namespace

QString LanguageModule::modulePath(const QString &programPath, const QString &extension)
{
    const QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return programPath + u'.' + extension;
    return programPath.left(programPath.size() - (name.size() - dot)) + u'.' + extension;
}

std::unique_ptr<LanguageModule> LanguageModule::choose(const QString &programPath, const QString &abbreviation)
{
    if (programPath.isEmpty() || abbreviation.isEmpty())
        return nullptr;
    auto module = std::make_unique<LanguageModule>();
    if (module->load(modulePath(programPath, abbreviation)))
        return module;
    if (abbreviation.size() > 2 && module->load(modulePath(programPath, abbreviation.left(2))))
        return module;
    return nullptr;
}

bool LanguageModule::load(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return false;
    // Read no more than the limit allows, also should the file grow after the size was taken.
    QByteArray data = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || data.size() > kMaxFileSize)
        return false;
    if (!loadData(std::move(data)))
        return false;
    m_path = path;
    return true;
}

bool LanguageModule::loadData(QByteArray data)
{
    if (g_active == this)
        return false; // the resource source does not change while the program runs
    m_data = std::move(data);
    if (isWellFormedModule(m_data)
        && m_translator->load(reinterpret_cast<const uchar *>(m_data.constData()), int(m_data.size()))) {
        for (const CatalogueEntry &entry : MessageCatalogue())
            if (!messageText(entry.name).isEmpty())
                return true;
    }
    // A fresh translator replaces the one that reads the refused data.
    m_translator = std::make_unique<QTranslator>();
    m_data.clear();
    return false;
}

QString LanguageModule::messageText(const char *name) const
{
    return m_translator->translate("MessageCatalogue", name);
}

const LanguageModule *LanguageModule::active()
{
    return g_active;
}

void LanguageModule::activate(LanguageModule *module)
{
    if (g_active != nullptr && QCoreApplication::instance() != nullptr)
        QCoreApplication::removeTranslator(g_active->m_translator.get());
    g_active = module;
    if (g_active != nullptr && QCoreApplication::instance() != nullptr)
        QCoreApplication::installTranslator(g_active->m_translator.get());
}
