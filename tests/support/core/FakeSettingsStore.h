#pragma once

#include "core/platform/SettingsStore.h"

#include <QMap>
#include <QStringList>

// A settings store in memory whose access rights and broken values tests can choose.
class FakeSettingsStore final : public SettingsStore {
public:
    bool present = true;
    bool readable = true;
    bool writable = true;
    QMap<QString, QString> values;
    QStringList notText; // values that are stored but are not texts
    QStringList written; // names in the order they were written
    int commits = 0;
    QString failingWrite; // writing this value fails with the store's own error text
    bool commitFails = false;

    bool exists() const override { return present; }
    bool isReadable() const override { return present && readable; }
    bool isWritable() const override { return writable; }
    QString readString(const QString &name) const override
    {
        if (notText.contains(name))
            throw SettingsError(QStringLiteral("Nieprawidłowy typ danych wartości '%1'").arg(name));
        return values.value(name);
    }
    void writeString(const QString &name, const QString &value) override
    {
        if (name == failingWrite)
            throw SettingsError(QStringLiteral("Odmowa dostępu do wartości '%1'").arg(name));
        values[name] = value;
        written << name;
    }
    void commit() override
    {
        if (commitFails)
            throw SettingsError(QStringLiteral("Brak miejsca na dysku"));
        ++commits;
        present = true;
    }
};
