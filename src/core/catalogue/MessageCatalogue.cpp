#include "core/catalogue/MessageCatalogue.h"

#include "core/catalogue/LanguageModule.h"

#include <array>

namespace {

constexpr std::array kCatalogue{
#define MESSAGE(name, id, text) CatalogueEntry{#name, id, u"" text},
#include "catalogue.def"
#undef MESSAGE
};

const CatalogueEntry *findEntry(std::uint16_t id)
{
    for (const CatalogueEntry &entry : kCatalogue)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

} // namespace

std::span<const CatalogueEntry> MessageCatalogue()
{
    return kCatalogue;
}

QString LoadMessage(std::uint16_t id)
{
    const CatalogueEntry *entry = findEntry(id);
    if (entry == nullptr)
        return {};
    QString text;
    if (const LanguageModule *module = LanguageModule::active())
        text = module->messageText(entry->name);
    if (LanguageModule::active() == nullptr || (text.isEmpty() && entry->id <= kLastAddedMessageId))
        text = QString::fromUtf16(entry->text);
    text.truncate(kMaxMessageLength);
    return text;
}
