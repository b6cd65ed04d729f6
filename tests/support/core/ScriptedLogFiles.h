#pragma once

#include "core/platform/DiskLogFiles.h"

#include <functional>

// Log files for tests: on disk unless `make` hands out a device of the test's own (one that
// fails after so many bytes, for instance); every path asked for is recorded.
class ScriptedLogFiles final : public LogFiles {
public:
    std::unique_ptr<QIODevice> create(const QString &path) override
    {
        paths << path;
        return make ? make(path) : m_disk.create(path);
    }

    std::function<std::unique_ptr<QIODevice>(const QString &path)> make;
    QStringList paths;

private:
    DiskLogFiles m_disk;
};
