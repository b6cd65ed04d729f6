#pragma once

#include <QFile>

#include <algorithm>

// A file on disk that takes `budget` more bytes and then writes only part of what it is given,
// and nothing once the budget is spent, as a full disk does.
class ShortWriteFile final : public QFile {
public:
    ShortWriteFile(const QString &path, qint64 budget) : QFile(path), m_budget(budget)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_budget <= 0)
            return -1;
        const qint64 taken = QFile::writeData(data, std::min(size, m_budget));
        m_budget -= std::max<qint64>(taken, 0);
        return taken;
    }

private:
    qint64 m_budget;
};
