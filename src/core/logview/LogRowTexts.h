#pragma once

#include <QCache>
#include <QFile>
#include <QStringList>

#include <vector>

// The texts of a log's rows as the file holds them, read again from the file when asked for
// (the viewer keeps only numbers in memory): the time-stamp field, then one text per PID.
class LogRowTexts {
public:
    // offsets: the byte offset of each row's line in the file at path.
    LogRowTexts(const QString &path, const std::vector<qint64> &offsets);

    // The fields of a row without the comma that ends each; empty when it cannot be read.
    QStringList row(qsizetype row);

private:
    QFile m_file;
    const std::vector<qint64> &m_offsets;
    QCache<qsizetype, QStringList> m_cache{512};
};
