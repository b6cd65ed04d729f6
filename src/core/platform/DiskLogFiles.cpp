#include "core/platform/DiskLogFiles.h"

#include <QFile>

std::unique_ptr<QIODevice> DiskLogFiles::create(const QString &path)
{
    // Unbuffered: each line goes to the file in the write that reports whether it got there.
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return nullptr;
    return file;
}
