#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

class QIODevice;

// The longest value part of a line that is taken as a value. The settings are a few short texts;
// a longer value is a damaged or hostile file, and would stay in memory for the whole session.
inline constexpr qsizetype kMaxIniValueBytes = 64 * 1024;

// Reading one value of the general section of a settings file in the INI form that QSettings
// writes, without keeping the file: the file is read line by line and only the wanted value is
// kept. A hand-edited value is taken as it stands: an unquoted comma stays in the text (QSettings
// would split the value into a list at it), quotes and backslash escapes are undone, an unquoted
// ";" starts a comment and blanks around the value are dropped.
struct IniValue {
    // TooLong: the value part of its line is over kMaxIniValueBytes; it is not decoded.
    enum class Kind { Text, NotText, TooLong };
    Kind kind = Kind::Text;
    QString text;
};

// The last occurrence of key in the general section (the lines before any section header and
// those under "[General]"); nothing when the key is absent or the device cannot be read.
std::optional<IniValue> findIniValue(QIODevice &device, const QString &key);
// The same for a file already in memory (or mapped into it).
std::optional<IniValue> findIniValue(QByteArrayView file, const QString &key);

// The value part of one line (the bytes after "="), decoded. A value written as
// "@Type(...)" that is no text ("@ByteArray(...)", "@Variant(...)", ...) is NotText;
// "@Invalid()" reads as an empty text, "@String(...)" as its text and "@@..." as "@...".
IniValue decodeIniValue(QByteArrayView raw);
