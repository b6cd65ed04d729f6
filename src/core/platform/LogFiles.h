#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

// Where the sensor log's lines go: a new file for each log.
class LogFiles {
public:
    virtual ~LogFiles() = default;
    // A new file at path, open for writing without a buffer of its own; nullptr when a file of
    // that name exists already or cannot be made. An existing file is never replaced.
    virtual std::unique_ptr<QIODevice> create(const QString &path) = 0;
};
