#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

// Where the files the workstation writes are made: a new file for each sensor log, and the hidden
// file a report or a chart is written to before it takes its name.
class LogFiles {
public:
    virtual ~LogFiles() = default;
    // A new file at path, open for writing without a buffer of its own; nullptr when a file of
    // that name exists already or cannot be made. An existing file is never replaced.
    virtual std::unique_ptr<QIODevice> create(const QString &path) = 0;
};
