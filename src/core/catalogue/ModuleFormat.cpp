#include "core/catalogue/ModuleFormat.h"

#include <QSet>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// The first 16 bytes of every translation file.
constexpr std::array<std::uint8_t, 16> kMagic{0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                              0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

// Section tags.
constexpr std::uint8_t kContexts = 0x2F;
constexpr std::uint8_t kHashes = 0x42;
constexpr std::uint8_t kMessages = 0x69;
constexpr std::uint8_t kDependencies = 0x96;

// Field tags of a message record.
constexpr std::uint8_t kEnd = 1;
constexpr std::uint8_t kTranslation = 3;
constexpr std::uint8_t kObsolete = 5;
constexpr std::uint8_t kSourceText = 6;
constexpr std::uint8_t kContext = 7;
constexpr std::uint8_t kComment = 8;
// A translation of this length is a null text: no bytes follow.
constexpr std::uint32_t kNullLength = 0xFFFFFFFF;

std::uint32_t read32(const std::uint8_t *at)
{
    return std::uint32_t(at[0]) << 24 | std::uint32_t(at[1]) << 16 | std::uint32_t(at[2]) << 8 | at[3];
}

// Walks the records of the messages section one after the other; their starts go into starts.
bool readRecords(const std::uint8_t *messages, std::uint32_t size, QSet<std::uint32_t> &starts)
{
    std::uint32_t at = 0;
    while (at < size) {
        starts.insert(at);
        for (;;) {
            if (at >= size)
                return false; // a record without its end mark
            const std::uint8_t tag = messages[at++];
            if (tag == kEnd)
                break;
            if (size - at < 4)
                return false;
            if (tag == kObsolete) {
                at += 4;
                continue;
            }
            if (tag != kTranslation && tag != kSourceText && tag != kContext && tag != kComment)
                return false;
            const std::uint32_t length = read32(messages + at);
            at += 4;
            if (tag == kTranslation && length == kNullLength)
                continue;
            if (length > size - at || (tag == kTranslation && length % 2 != 0))
                return false;
            at += length;
        }
    }
    return true;
}

} // namespace

bool isWellFormedModule(QByteArrayView data)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(data.data());
    const std::uint64_t size = std::uint64_t(data.size());
    if (size <= kMagic.size() || size >= 0xFFFFFFFFu || std::memcmp(bytes, kMagic.data(), kMagic.size()) != 0)
        return false;

    const std::uint8_t *hashes = nullptr;
    std::uint32_t hashesSize = 0;
    const std::uint8_t *messages = nullptr;
    std::uint32_t messagesSize = 0;
    // Sections: a tag, a big-endian length and that many bytes, up to a zero tag or length.
    std::uint64_t at = kMagic.size();
    while (at + 5 <= size) {
        const std::uint8_t tag = bytes[at];
        const std::uint32_t length = read32(bytes + at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > size - at)
            return false;
        if (tag == kDependencies || tag == kContexts)
            return false;
        if (tag == kHashes) {
            hashes = bytes + at;
            hashesSize = length;
        } else if (tag == kMessages) {
            messages = bytes + at;
            messagesSize = length;
        }
        at += length;
    }
    if (hashes == nullptr || messages == nullptr || hashesSize % 8 != 0)
        return false;

    QSet<std::uint32_t> starts;
    if (!readRecords(messages, messagesSize, starts))
        return false;
    // Hash entries: the hash of the source text, then the offset of its record.
    for (std::uint32_t entry = 0; entry < hashesSize; entry += 8)
        if (!starts.contains(read32(hashes + entry + 4)))
            return false;
    return true;
}
