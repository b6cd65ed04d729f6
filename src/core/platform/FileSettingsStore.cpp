#include "core/platform/FileSettingsStore.h"

#include "core/platform/IniValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The system-wide store is shared by the workshop's users: its folder belongs to their group and
// is group-writable. A file one user writes there is opened to the folder's group as well, or the
// next user of the group could no longer save. Only the file's owner can do this; for anyone else
// the file keeps the permissions it has.
void shareWithFolderGroup(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !(QFileInfo(file.absolutePath()).permissions() & QFileDevice::WriteGroup))
        return;
    const QFileDevice::Permissions shared = file.permissions() | QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (shared != file.permissions())
        QFile::setPermissions(path, shared);
}

} // namespace

FileSettingsStore::FileSettingsStore()
    : FileSettingsStore(QLibraryInfo::path(QLibraryInfo::SettingsPath) + QStringLiteral("/Korvath/Ulmora.conf"))
{
}

FileSettingsStore::FileSettingsStore(const QString &iniPath) : m_path(iniPath)
{
}

FileSettingsStore::~FileSettingsStore() = default;

bool FileSettingsStore::exists() const
{
    return QFileInfo::exists(m_path);
}

bool FileSettingsStore::isReadable() const
{
    QFile file(m_path);
    return QFileInfo(m_path).isFile() && file.open(QIODevice::ReadOnly);
}

bool FileSettingsStore::isWritable() const
{
    const QFileInfo info(m_path);
    if (info.exists())
        return info.isFile() && info.isWritable();
    // A new file goes into the nearest folder that exists (QSettings creates the missing ones).
    QDir folder = info.absoluteDir();
    while (!folder.exists())
        if (!folder.cdUp())
            return false;
    return QFileInfo(folder.absolutePath()).isWritable();
}

QString FileSettingsStore::readString(const QString &name) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Mapped, the file is searched in place; a file that cannot be mapped is read line by line.
    std::optional<IniValue> value;
    const qint64 size = file.size();
    if (uchar *mapped = size > 0 ? file.map(0, size) : nullptr) {
        value = findIniValue(QByteArrayView(mapped, size), name);
        file.unmap(mapped);
    } else {
        value = findIniValue(file, name);
    }
    if (!value)
        return {};
    if (value->kind == IniValue::Kind::TooLong)
        throw SettingsError(QStringLiteral("Wartość '%1' jest za długa").arg(name));
    if (value->kind != IniValue::Kind::Text)
        throw SettingsError(QStringLiteral("Nieprawidłowy typ danych wartości '%1'").arg(name));
    return value->text;
}

void FileSettingsStore::writeString(const QString &name, const QString &value)
{
    if (!isWritable())
        throw SettingsError(QStringLiteral("Brak dostępu do zapisu ustawień (%1)").arg(m_path));
    if (!m_writer)
        m_writer = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    m_writer->setValue(name, value);
}

void FileSettingsStore::commit()
{
    if (!m_writer)
        return;
    m_writer->sync();
    const bool stored = m_writer->status() == QSettings::NoError;
    m_writer.reset();
#ifdef __GLIBC__
    // QSettings parsed the whole file to write it; a large file leaves many small blocks that the
    // allocator would otherwise keep for the rest of the session.
    malloc_trim(0);
#endif
    if (!stored)
        throw SettingsError(QStringLiteral("Błąd zapisu ustawień (%1)").arg(m_path));
    shareWithFolderGroup(m_path);
}
