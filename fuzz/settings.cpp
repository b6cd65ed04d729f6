// Settings files: the input is the file; values are looked up in it as the program does at
// start, both line by line and in memory, and the first line's value part is decoded on its
// own as well.
#include "core/platform/IniValues.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Two of the six names: every name is searched by the same code, and each costs a pass.
    static const QStringList names = {QStringLiteral("LogDirectory"), QStringLiteral("Nazwa")};
    for (const QString &name : names) {
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        const std::optional<IniValue> value = findIniValue(file, name);
        const std::optional<IniValue> inPlace = findIniValue(QByteArrayView(bytes), name);
        if (value.has_value() != inPlace.has_value()
            || (value && (value->kind != inPlace->kind || value->text != inPlace->text)))
            std::abort(); // read line by line or searched in memory, a file gives one value
        if (value && value->kind == IniValue::Kind::NotText && !value->text.isEmpty())
            std::abort();
        if (value && value->text.size() > bytes.size())
            std::abort(); // decoding never makes a text longer than its file
    }
    const IniValue line =
        decodeIniValue(QByteArrayView(bytes).first(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n')));
    if (line.text.size() > bytes.size())
        std::abort();
    return 0;
}
