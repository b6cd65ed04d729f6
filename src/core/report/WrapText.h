#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Splits text into lines no wider than width as measure gives them. A text that fits (trailing
// blanks not counted) comes back whole and unchanged. Otherwise each line ends at the last blank
// that lets it fit; the blanks at a break are dropped. A word wider than width on its own is cut
// between characters; every line holds at least one character.
QStringList WrapText(const QString &text, int width, const std::function<int(const QString &)> &measure);
