#pragma once

#include <QString>

class QFile;

// How opening a file for reading ended.
enum class RegularFileOpen { Opened, NotRegular, Failed };

// Opens path for reading when it names a regular file (or a link to one). A pipe, a socket, a
// device or a directory is refused without being read: opening a pipe waits for a writer, and
// reading a device may never end. The opening itself never waits.
RegularFileOpen OpenRegularFile(QFile &file, const QString &path);
