#pragma once

#include <QString>

#include <cstdint>
#include <span>

// Ids of the localisable messages; the names are the ones the code uses.
enum MessageId : std::uint16_t {
#define MESSAGE(name, id, text) name = id,
#include "catalogue.def"
#undef MESSAGE
};

struct CatalogueEntry {
    const char *name;
    std::uint16_t id;
    const char16_t *text;
};

// Every message with its name, id and built-in (Polish) text, in id-block order.
std::span<const CatalogueEntry> MessageCatalogue();

// Messages from this id down were added with the diagnostic adapters; a language module made
// before them lacks them, so they fall back to the built-in text.
inline constexpr std::uint16_t kLastAddedMessageId = 65391;

// The longest text LoadMessage returns; longer texts are cut.
inline constexpr int kMaxMessageLength = 1023;

// The text of message id from the resource source chosen at start: the language module when one
// was loaded, otherwise the built-in catalogue. An id the source lacks gives the empty text,
// except for the messages added with the adapters, which give the built-in text.
// Loaded at each use; callers do not keep the text.
QString LoadMessage(std::uint16_t id);
