#pragma once

#include <QString>

#include <stdexcept>
#include <string>

// An error of the settings store; what() is the text shown to the operator (UTF-8).
class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const QString &text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The persistent store of the workstation's settings: one key of named string values.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool exists() const = 0;
    virtual bool isReadable() const = 0;
    virtual bool isWritable() const = 0;

    // The stored text of a value; empty when the value is missing.
    // Throws SettingsError when the value is not a text.
    virtual QString readString(const QString &name) const = 0;

    // Writes are complete once commit() returns; both throw SettingsError on failure.
    virtual void writeString(const QString &name, const QString &value) = 0;
    virtual void commit() = 0;
};
