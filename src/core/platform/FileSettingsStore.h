#pragma once

#include "core/platform/SettingsStore.h"

#include <memory>

class QSettings;

// Settings kept in an INI file: the system-wide store of the workstation
// (<Qt settings path>/Korvath/Ulmora.conf, /etc/xdg/Korvath/Ulmora.conf on Linux), or a file of
// the caller's choosing. Each value is read from the file as it stands when asked for, and no
// parsed copy of the file stays in memory; QSettings writes the file, and is let go after commit().
class FileSettingsStore final : public SettingsStore {
public:
    FileSettingsStore(); // the system-wide store
    explicit FileSettingsStore(const QString &iniPath); // an INI file
    ~FileSettingsStore() override;

    bool exists() const override;
    bool isReadable() const override;
    bool isWritable() const override;
    QString readString(const QString &name) const override;
    void writeString(const QString &name, const QString &value) override;
    void commit() override;

    QString location() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QSettings> m_writer; // between the first writeString() and commit()
};
