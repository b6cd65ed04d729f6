#pragma once

#include <QByteArrayView>

// The check a language module passes before QTranslator reads it. QTranslator trusts the inner
// structure of a translation (.qm) file: a length or offset pointing past the end makes it read
// outside the file. A module is taken only when its sections lie within the file, it names no
// further files to load, every message record is complete (its fields within the messages
// section, ended by the end mark) and every hash entry points at the start of a record.
// Files with a context table (written by lrelease -compress only) are not taken either.
bool isWellFormedModule(QByteArrayView data);
