#include "core/platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

RegularFileOpen OpenRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return RegularFileOpen::Failed;
    if (!S_ISREG(info.st_mode))
        return RegularFileOpen::NotRegular;
    // The name may stand for something else by the time it is opened: the opening does not wait
    // (as it would on a pipe), and what was opened is looked at once more.
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return RegularFileOpen::Failed;
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        return RegularFileOpen::NotRegular;
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return RegularFileOpen::Failed;
    }
    return RegularFileOpen::Opened;
#else
    if (!QFileInfo(path).isFile())
        return QFileInfo::exists(path) ? RegularFileOpen::NotRegular : RegularFileOpen::Failed;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? RegularFileOpen::Opened : RegularFileOpen::Failed;
#endif
}
