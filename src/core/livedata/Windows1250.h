#pragma once

#include <QByteArray>
#include <QString>

// Text in the Windows-1250 code page, the single-byte encoding of Polish Windows, for files
// that the workshop opens in its spreadsheet. A character the code page lacks becomes "?".
QByteArray toWindows1250(const QString &text);
