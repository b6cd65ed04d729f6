#include "support/core/RecordingCanvas.h"
#include "support/core/ShortWriteFile.h"
#include "support/gui/WorkstationFixture.h"

#include "core/report/PrintReport.h"
#include "core/report/ReportArchive.h"
#include "gui/mainwindow/RecordsMenu.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/report/ReportArchiveWindow.h"
#include "gui/report/TFormRaport.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// The text of a PDF file as pdftotext reads it, runs of white space made one blank.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"(pdftotext failed)"_s;
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class ReportArchiveWindowTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        useScriptedVehicle = true;
        start();
        clickPolacz();
        state().Settings.LogDirectory = dir.path();
    }

    TFormRaport &dialog() { return workstation->raportForm(); }
    QString archive() { return dir.filePath(u"raporty"_s); }

    // Prints the report for a registration number on a PDF "printer".
    void print(const QString &registration, const QString &make = {})
    {
        dialog().show();
        dialog().Edit3->setText(registration);
        dialog().Edit1->setText(make);
        env.dialogs.printerAnswers = {true};
        env.dialogs.onPrinterChosen = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(u"drukarka.pdf"_s));
        };
        click(dialog().ButtonPrint);
    }

    QStringList archived() { return QDir(archive()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
};

TEST_F(ReportArchiveWindowTest, EveryPrintedReportIsKeptAndNoneReplaced)
{
    print(u"wx 12345"_s);
    print(u"wx 12345"_s); // the same minute
    env.dialogs.printerAnswers = {false};
    dialog().show();
    click(dialog().ButtonPrint); // cancelled: nothing printed, nothing kept

    // The virtual clock starts at 2026-12-07 13:45:01 and the assembly takes 0.6 s a report.
    EXPECT_EQ(archived(),
              (QStringList{u"2026-12-07_1345_WX_12345-2.pdf"_s, u"2026-12-07_1345_WX_12345.pdf"_s, u"archiwum.ini"_s}));
    EXPECT_GT(QFileInfo(QDir(archive()).filePath(u"2026-12-07_1345_WX_12345.pdf"_s)).size(), 1000);
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(ReportArchiveWindowTest, AReportThatCannotBeKeptIsStillPrintedAndTheOperatorTold)
{
    // The archive folder's name is taken by a file.
    state().Settings.ReportArchive = dir.filePath(u"zajety"_s);
    QFile taken(state().Settings.ReportArchive);
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    print(u"KR 1"_s);
    EXPECT_TRUE(QFileInfo(dir.filePath(u"drukarka.pdf"_s)).size() > 1000);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(env.dialogs.shown[0].text.startsWith(u"Raport wydrukowano, ale nie zapisano go w archiwum."_s));
    EXPECT_FALSE(dialog().isVisible());

    // The archive's disk takes 12 kB of the report and no more: no cut report is kept, and the
    // operator is told once, plainly, that it is not in the archive.
    state().Settings.ReportArchive.clear();
    env.dialogs.shown.clear();
    env.logFiles.make = [](const QString &path) { return std::make_unique<ShortWriteFile>(path, 12288); };
    print(u"KR 2"_s);
    EXPECT_EQ(QDir(archive()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(env.dialogs.texts(),
              QStringList{
                  u"Raport wydrukowano, ale nie zapisano go w archiwum.\nPliku PDF nie udało się zapisać w "
                  u"całości w katalogu %1 - sprawdź, czy na dysku jest miejsce i czy katalog można zapisywać."_s.arg(
                      archive())});
}

// The preview draws the archived pages: an adapter's protocol without the simulated link's note,
// every text of the PDF. An entry that no longer draws them is not previewed; the PDF is offered.
TEST_F(ReportArchiveWindowTest, ThePreviewShowsTheArchivedReportOrOffersItsPdf)
{
    dialog().reportData().Protocol = u"ISO 15765-4 (CAN 11/500)"_s;
    dialog().reportData().ProtocolNote.clear();
    print(u"WX 5"_s);
    const QList<ArchivedReport> reports = ListArchivedReports(archive());
    ASSERT_EQ(reports.size(), 1);
    const QString pdf = pdfText(reports[0].path);
    EXPECT_TRUE(pdf.contains(u"Standard komunikacji diagnostycznej: ISO 15765-4 (CAN 11/500) Adres"_s))
        << pdf.toStdString();
    // Laid out on the test's canvas the page breaks differ: the page numbers above the frame are
    // left out.
    RecordingCanvas preview;
    ASSERT_TRUE(PrintReport(preview, reports[0].data, reports[0].remarks));
    const int frameTop = 10 * (preview.device.logPixelsY * 10 / 254);
    for (const RecordingCanvas::Op &op : preview.texts()) {
        if (op.y >= frameTop) {
            EXPECT_TRUE(pdf.contains(op.text.simplified())) << op.text.toStdString();
        }
    }

    ReportArchiveWindow window(env.platform, archive());
    QStringList opened;
    window.openPdf = [&opened](const QString &path) { opened << path; };
    int previews = 0;
    const auto previewOnce = [&] {
        QTimer::singleShot(0, &window, [&previews] {
            if (auto *shown = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
                ++previews;
                shown->reject();
            }
        });
        window.ButtonPodgladClick();
    };
    previewOnce();
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(env.dialogs.shown.empty());

    // The index cut short in the middle of the report's entry.
    QFile index(QDir(archive()).filePath(QString::fromLatin1(kReportArchiveIndex)));
    ASSERT_TRUE(index.open(QIODevice::ReadWrite));
    const QByteArray entry = index.readAll();
    index.resize(entry.indexOf("UsterkiZarejestrowane"));
    index.close();
    window.refresh();
    previewOnce();
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(env.dialogs.shown[0].text.endsWith(u"Otworzyć plik PDF?"_s));
    EXPECT_EQ(opened, QStringList{reports[0].path});
}

TEST_F(ReportArchiveWindowTest, TheArchiveListsTheNewestFirstAndShowsAReportAgain)
{
    print(u"wx 1"_s, u"fiat"_s);
    env.clock.advance(3 * 60 * 1000);
    print(u"po 2"_s, u"škoda"_s);

    QStringList rows;
    int previewPages = -1;
    QTimer::singleShot(0, &main(), [&] {
        auto *window = qobject_cast<ReportArchiveWindow *>(QApplication::activeModalWidget());
        if (window == nullptr)
            return;
        for (int i = 0; i < window->ListArchiwum->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                cells << window->ListArchiwum->topLevelItem(i)->text(column);
            rows << cells.join(u'|');
        }
        QTimer::singleShot(0, window, [&previewPages, window] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (preview != nullptr) {
                if (auto *view = preview->findChild<QPrintPreviewWidget *>())
                    previewPages = view->pageCount();
                preview->reject();
            }
            window->accept();
        });
        click(window->ButtonPodglad);
    });
    main().Records->MnuArchiwum->trigger();

    EXPECT_EQ(rows, (QStringList{u"2026-12-07 13:48|PO 2|ŠKODA"_s, u"2026-12-07 13:45|WX 1|FIAT"_s}));
    EXPECT_EQ(previewPages, 1);
}

// Enter on a report, as a double click on it, shows it once; closing the preview goes back to
// the list.
TEST_F(ReportArchiveWindowTest, EnterOrADoubleClickOnAReportShowsItsPreviewOnce)
{
    print(u"wx 7"_s);
    ReportArchiveWindow window(env.platform, archive());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ListArchiwum->setFocus();
    int previews = 0;
    QTimer closer;
    closer.callOnTimeout(&window, [&previews] {
        if (auto *shown = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
            ++previews;
            shown->reject();
        }
    });
    closer.start(0);
    QTest::keyClick(window.ListArchiwum, Qt::Key_Return);
    EXPECT_EQ(previews, 1);
    QTest::keyClick(window.ListArchiwum, Qt::Key_Enter);
    EXPECT_EQ(previews, 2);
    QWidget *rows = window.ListArchiwum->viewport();
    const QPoint first = window.ListArchiwum->visualItemRect(window.ListArchiwum->topLevelItem(0)).center();
    // A double click reaches a view as a press and a release, then the double click.
    QTest::mouseClick(rows, Qt::LeftButton, {}, first);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, first);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, first);
    EXPECT_EQ(previews, 3);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ReportArchiveWindowTest, TheArchiveFolderIsChosenInTheConfigurationDialog)
{
    TSetupForm &setup = workstation->setupForm();
    EXPECT_TRUE(setup.EditArchiwum->text().isEmpty());
    env.dialogs.directories = {dir.filePath(u"archiwum"_s)};
    setup.ButtonArchiwumBrowse->click();
    EXPECT_EQ(setup.EditArchiwum->text(), dir.filePath(u"archiwum"_s));
    setup.EditLogDir->setText(dir.path());
    setup.ButtonOK->click();
    EXPECT_EQ(state().Settings.ReportArchive, dir.filePath(u"archiwum"_s));

    print(u"WX 9"_s);
    EXPECT_EQ(QDir(dir.filePath(u"archiwum"_s)).entryList({u"*.pdf"_s}).size(), 1);

    setup.ButtonArchiwumDomyslny->click();
    setup.ButtonOK->click();
    EXPECT_TRUE(state().Settings.ReportArchive.isEmpty());
}
