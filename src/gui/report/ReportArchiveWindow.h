#pragma once

#include "core/report/ReportArchive.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
struct Platform;

// The archive of printed reports: the reports of the archive folder, newest first, with their
// registration number, make and date; "Podgląd" (or a double click) shows the chosen one again
// in the print preview, from where it can be printed once more. A report whose index entry cannot
// draw its very pages (missing, damaged, or from an earlier version) is offered as its PDF file.
class ReportArchiveWindow final : public QDialog {
    Q_OBJECT
public:
    ReportArchiveWindow(Platform &platform, const QString &directory, QWidget *parent = nullptr);

    const QList<ArchivedReport> &reports() const { return m_reports; }
    // Reads the folder again.
    void refresh();
    void ButtonPodgladClick();

    // Shows a PDF file in the system's viewer; a test may stand in for it.
    std::function<void(const QString &path)> openPdf;

    QLabel *LabelKatalog = nullptr;
    QTreeWidget *ListArchiwum = nullptr;
    QPushButton *ButtonPodglad = nullptr;
    QPushButton *ButtonZamknij = nullptr;

private:
    Platform &m_platform;
    QString m_directory;
    QList<ArchivedReport> m_reports;
};
