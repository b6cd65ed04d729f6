#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// A file system of a few kilobytes (a tmpfs) mounted for one test, to fill the disk for real.
// Mounting needs root; where it cannot be done, reason() says why and tests skip.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes)
    {
        if (geteuid() != 0) {
            m_reason = QStringLiteral("a small file system needs root to be mounted");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
            m_reason = QStringLiteral("mounting a tmpfs failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes up all the space but `left` bytes, rounded up to whole 4 KiB pages, with a file of
    // its own.
    void fillLeaving(qint64 left) const
    {
        left = (left + 4095) / 4096 * 4096;
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(filler.size() > left ? filler.size() - left : 0);
    }

private:
    QTemporaryDir m_dir;
    QString m_reason;
    bool m_mounted = false;
};
