#pragma once

#include <QByteArray>
#include <QString>

// Text in the Windows-1250 code page, the single-byte encoding of Polish Windows, for files
// that the workshop opens in its spreadsheet. A character the code page lacks becomes "?".
QByteArray toWindows1250(const QString &text);

// Windows-1250 bytes as text; the five bytes the code page leaves undefined become U+FFFD.
QString fromWindows1250(const QByteArray &bytes);
