#include "core/platform/WholeFileWrite.h"

#include "core/platform/LogFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <atomic>
#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Writes all of bytes and closes device; false when a write fell short or the close failed.
bool writeAndClose(QIODevice &device, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 taken = device.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0)
            break;
        written += taken;
    }
    auto *file = qobject_cast<QFileDevice *>(&device);
    bool ok = written == bytes.size();
    if (file != nullptr) {
        ok = file->flush() && ok;
#ifdef Q_OS_UNIX
        // On the disk before it takes its name: a power cut must not leave an empty file there.
        ok = ok && ::fsync(file->handle()) == 0;
#endif
    }
    device.close();
    return ok && (file == nullptr || file->error() == QFileDevice::NoError);
}

} // namespace

WholeFileWrite WriteWholeFile(LogFiles &files, const QString &target, const QByteArray &bytes, bool replace)
{
    const QFileInfo info(target);
    if (!replace && info.exists())
        return WholeFileWrite::NameTaken;
    // A name of its own for every attempt: a file left by a program killed part way stays out of
    // the way (and out of sight).
    static std::atomic<int> attempt = 0;
    QString part;
    std::unique_ptr<QIODevice> device;
    for (int tries = 0; device == nullptr && tries < 3; ++tries) {
        part = info.dir().filePath(QStringLiteral(".%1.%2-%3.part")
                                       .arg(info.fileName())
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(attempt++));
        device = files.create(part);
    }
    if (device == nullptr)
        return WholeFileWrite::NotWritten;
    const bool whole = writeAndClose(*device, bytes) && QFileInfo(part).size() == bytes.size();
    device.reset();
    WholeFileWrite result = WholeFileWrite::NotWritten;
    if (whole) {
        // rename() replaces in one step; QFile::rename() never replaces.
        if (replace ? std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) == 0
                    : QFile::rename(part, target))
            return WholeFileWrite::Written;
        if (!replace && QFileInfo::exists(target))
            result = WholeFileWrite::NameTaken; // made meanwhile by another program
    }
    QFile::remove(part);
    return result;
}
