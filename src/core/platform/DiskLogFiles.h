#pragma once

#include "core/platform/LogFiles.h"

// Log files on disk.
class DiskLogFiles final : public LogFiles {
public:
    std::unique_ptr<QIODevice> create(const QString &path) override;
};
