#include "core/platform/FileSettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

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
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope,
                                             QStringLiteral("Korvath"), QStringLiteral("Ulmora")))
{
}

FileSettingsStore::FileSettingsStore(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

FileSettingsStore::~FileSettingsStore() = default;

QString FileSettingsStore::location() const
{
    return m_settings->fileName();
}

bool FileSettingsStore::exists() const
{
    return QFileInfo::exists(location());
}

bool FileSettingsStore::isReadable() const
{
    const QFileInfo info(location());
    return info.isFile() && info.isReadable() && m_settings->status() != QSettings::AccessError;
}

bool FileSettingsStore::isWritable() const
{
    return m_settings->isWritable();
}

QString FileSettingsStore::readString(const QString &name) const
{
    const QVariant value = m_settings->value(name);
    if (!value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        // An unquoted comma in a hand-edited file splits the text; put it back together.
        return value.toStringList().join(QStringLiteral(", "));
    default:
        throw SettingsError(QStringLiteral("Nieprawidłowy typ danych wartości '%1'").arg(name));
    }
}

void FileSettingsStore::writeString(const QString &name, const QString &value)
{
    if (!m_settings->isWritable())
        throw SettingsError(QStringLiteral("Brak dostępu do zapisu ustawień (%1)").arg(location()));
    m_settings->setValue(name, value);
}

void FileSettingsStore::commit()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw SettingsError(QStringLiteral("Błąd zapisu ustawień (%1)").arg(location()));
    shareWithFolderGroup(location());
}
