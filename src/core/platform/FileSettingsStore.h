#pragma once

#include "core/platform/SettingsStore.h"

#include <memory>

class QSettings;

// Settings kept by QSettings: the system-wide store of the workstation
// (Windows: HKLM\Software\Korvath\Ulmora; Linux: /etc/xdg/Korvath/Ulmora.conf),
// or an INI file of the caller's choosing.
class FileSettingsStore final : public SettingsStore {
public:
    FileSettingsStore();                              // the system-wide store
    explicit FileSettingsStore(const QString &iniPath); // an INI file
    ~FileSettingsStore() override;

    bool exists() const override;
    bool isReadable() const override;
    bool isWritable() const override;
    QString readString(const QString &name) const override;
    void writeString(const QString &name, const QString &value) override;
    void commit() override;

    QString location() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
