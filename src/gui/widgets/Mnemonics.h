#pragma once

#include <QString>

// Keyboard access to menus: each title or item gets the first of its letters that no sibling
// has taken yet, underlined (Alt+letter), whatever language the texts are in.
class Mnemonics {
public:
    // text with "&" before its chosen letter; a text without a free letter stays as it is.
    QString mark(const QString &text);

private:
    QString m_taken;
};
