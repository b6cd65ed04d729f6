// Language module files: the input is the module's contents. A module that is taken must give
// every message text within the catalogue's limit, and the window texts must be readable.
#include "core/catalogue/LanguageModule.h"
#include "core/catalogue/MessageCatalogue.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > std::size_t(LanguageModule::kMaxFileSize))
        return 0;
    LanguageModule module;
    if (!module.loadData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    bool any = false;
    for (const CatalogueEntry &entry : MessageCatalogue())
        any = !module.messageText(entry.name).isEmpty() || any;
    if (!any)
        std::abort(); // a module without catalogue texts is refused
    module.translator().translate("TMainForm", "Główna");
    module.translator().translate("TSetupForm", "Konfiguracja", nullptr, 2);
    LanguageModule::activate(&module);
    for (const CatalogueEntry &entry : MessageCatalogue())
        if (LoadMessage(entry.id).size() > kMaxMessageLength)
            std::abort();
    LanguageModule::activate(nullptr);
    return 0;
}
