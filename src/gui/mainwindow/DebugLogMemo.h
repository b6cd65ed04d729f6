#pragma once

#include <QPlainTextEdit>
#include <QStringList>

#include <deque>

// The debug log of the main window: a read-only memo that keeps its most recent lines. Every
// PID read adds a line, many per second, while the memo's tab is hidden: lines added while the
// memo is not on screen wait in a plain list and are laid out only when it is shown.
class DebugLogMemo final : public QPlainTextEdit {
    Q_OBJECT
public:
    DebugLogMemo(int maxLines, QWidget *parent = nullptr);

    void appendLine(const QString &line);
    // Empties the log.
    void reset();
    // The whole log, one line per line.
    QString text();
    int lineCount();

signals:
    // Each line as it arrives, shown or not.
    void lineAppended(const QString &line);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Hands the waiting lines to the memo.
    void flush();

    int m_maxLines;
    std::deque<QString> m_waiting;
};
