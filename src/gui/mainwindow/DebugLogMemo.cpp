#include "gui/mainwindow/DebugLogMemo.h"

DebugLogMemo::DebugLogMemo(int maxLines, QWidget *parent) : QPlainTextEdit(parent), m_maxLines(maxLines)
{
    setReadOnly(true);
    setMaximumBlockCount(maxLines);
}

void DebugLogMemo::appendLine(const QString &line)
{
    if (isVisible()) {
        appendPlainText(line);
    } else {
        m_waiting.push_back(line);
        if (int(m_waiting.size()) > m_maxLines)
            m_waiting.pop_front();
    }
    emit lineAppended(line);
}

void DebugLogMemo::reset()
{
    m_waiting.clear();
    clear();
}

void DebugLogMemo::flush()
{
    if (m_waiting.empty())
        return;
    QStringList lines(m_waiting.begin(), m_waiting.end());
    m_waiting.clear();
    // One edit for all of them; the memo drops its oldest lines beyond the maximum.
    appendPlainText(lines.join(u'\n'));
}

QString DebugLogMemo::text()
{
    flush();
    return toPlainText();
}

int DebugLogMemo::lineCount()
{
    flush();
    return document()->isEmpty() ? 0 : document()->blockCount();
}

void DebugLogMemo::showEvent(QShowEvent *event)
{
    flush();
    QPlainTextEdit::showEvent(event);
}
