#pragma once

#include <QByteArray>
#include <QString>

class LogFiles;

// How writing a file whole ended.
enum class WholeFileWrite {
    Written,
    NotWritten, // the temporary file could not be made, written whole, closed or renamed
    NameTaken, // a file of the target's name exists (only when it may not be replaced)
};

// Writes bytes into a new hidden file beside target (made through files) and gives it target's
// name only once every write and the close have succeeded and the file holds exactly bytes: a
// full disk, a failing device or a program killed part way never leaves a cut file under that name.
// With replace an older file of that name is replaced in one step; without, it is never replaced.
// Whatever fails, the temporary file is removed and target stays as it was.
WholeFileWrite WriteWholeFile(LogFiles &files, const QString &target, const QByteArray &bytes, bool replace);
