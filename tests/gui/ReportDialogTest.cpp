#include "support/core/SmallFileSystem.h"
#include "support/gui/WorkstationFixture.h"

#include "core/faults/DtcDescriptionTable.h"
#include "core/faults/GenericDtcTable.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/report/PrinterCanvas.h"
#include "gui/report/ReportPreview.h"
#include "gui/report/TFormRaport.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The text of a PDF file as pdftotext reads it, runs of white space made one blank.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"(pdftotext failed: %1)"_s.arg(QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class ReportDialogTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        startConnected();
        state().Settings.LogDirectory = dir.path(); // the printed reports' archive goes there
    }

    TFormRaport &dialog() { return workstation->raportForm(); }

    // Prints from the dialog; the print dialog is confirmed with a PDF file as the printer.
    QString printToPdf()
    {
        const QString path = dir.filePath(u"protokol.pdf"_s);
        env.dialogs.printerAnswers = {true};
        env.dialogs.onPrinterChosen = [path](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        };
        click(dialog().ButtonPrint);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ReportDialogTest, PrintingToPdfGivesTheWholeReportAsText)
{
    state().Settings.Nazwa = u"Serwis Żółw"_s;
    state().Settings.Adres1 = u"ul. Łąkowa 7"_s;
    dialog().show();
    dialog().Edit3->setText(u"wa źdźbło"_s);
    dialog().Edit1->setText(u"škoda"_s);
    dialog().Memo->setPlainText(u"Wymienić świece zapłonowe."_s);

    // What the screen holds of the notice while the report is assembled: its texts, not an
    // empty frame. The busy cursor is up meanwhile.
    bool noticeShown = false;
    int noticeInkPixels = 0;
    bool busy = false;
    vehicle->onQuery = [&](int) {
        TWaitForm &notice = workstation->waitForm();
        noticeShown = notice.isVisible();
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(notice.winId()).toImage();
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                noticeInkPixels += qGray(screen.pixel(x, y)) < 96 ? 1 : 0;
        busy = QGuiApplication::overrideCursor() != nullptr;
    };
    const QString path = printToPdf();

    EXPECT_TRUE(noticeShown);
    EXPECT_GT(noticeInkPixels, 100);
    EXPECT_TRUE(busy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(workstation->waitForm().isVisible());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(env.clock.now(), 100 + 500); // the oxygen sensor read and the monitors' pause
    EXPECT_EQ(dialog().Edit3->text(), u"wa źdźbło"_s);
    EXPECT_EQ(dialog().reportData().RegistrationNo, u"WA ŹDŹBŁO"_s);
    EXPECT_EQ(dialog().reportData().Make, u"ŠKODA"_s);

    const QString text = pdfText(path);
    const QStringList expected = {
        u"PROTOKÓŁ KOMPUTEROWEJ DIAGNOSTYKI POJAZDU"_s,
        u"Nazwa: Serwis Żółw"_s,
        u"Adres: ul. Łąkowa 7"_s,
        u"Nr rejestracyjny: WA ŹDŹBŁO"_s,
        u"Standard komunikacji diagnostycznej: ISO (SAE J1850)"_s,
        u"Kontrolka MIL: Zapalona"_s,
        u"P0322 - Obwód wejścia prędkości silnika dla rozdzielacza / zapłonu - brak sygnału"_s,
        u"P0445 - Układ odprowadzania par paliwa, obwód sterujący zaworu oczyszczania - zwarcie"_s,
        u"P0268 - Wtryskiwacz cylindra 3 - wysoki sygnał"_s,
        u"C0732 - Przyspieszeniomierz lewy tylny - niski sygnał wejściowy"_s,
        u"P0301 - Cylinder 1 - wykryte wypadanie zapłonów"_s,
        u"P0103 - Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy"_s,
        u"P0252 - Wirnik / krzywka pompy wtryskowej A - sygnał poza zakresem / działanie"_s,
        u"B0848 - Obwód napięcia odniesienia 5V - wysoki sygnał wejściowy"_s,
        u"CAT Brak MIS Brak"_s,
        u"HCAT Zakończony FUEL Zakończony"_s,
        u"EVAP Brak CC Niezakończony"_s,
        u"AIR Zakończony"_s,
        u"AC Brak"_s,
        u"O2S Niezakończony"_s,
        u"HO2S Brak"_s,
        u"EGR Niezakończony"_s,
        u"Uwagi: Wymienić świece zapłonowe."_s,
        u"Przyrząd użyty do badania: QL-40 z oprogramowaniem Ulmora wersja 1.1.2 https://www.korvath.pl"_s,
    };
    for (const QString &line : expected)
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\nin: " << text.toStdString();
}

// The report's face prints every character of the fault-code descriptions, both tables in both
// languages: none comes out as an empty box or in another face.
TEST_F(ReportDialogTest, TheReportFontHasEveryCharacterOfTheDescriptions)
{
    const QRawFont font = QRawFont::fromFont(QFont(u"Arial"_s));
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName().compare(u"Liberation Sans"_s, Qt::CaseInsensitive), 0)
        << font.familyName().toStdString();
    QSet<char16_t> characters;
    for (const auto table :
         {DtcDescriptionTable(), EnglishDtcDescriptionTable(), GenericDtcTable(), EnglishGenericDtcTable()})
        for (const DtcDescriptionRow &row : table)
            for (const char16_t *c = row.description; *c != u'\0'; ++c)
                characters.insert(*c);
    EXPECT_GT(characters.size(), 70); // the letters, digits and signs of the texts, Polish letters included
    for (const char16_t c : characters)
        EXPECT_TRUE(font.supportsCharacter(QChar(c))) << QString(QChar(c)).toStdString();
}

TEST_F(ReportDialogTest, CancellingThePrintDialogClosesWithoutPrinting)
{
    dialog().show();
    env.dialogs.printerAnswers = {false};
    bool chosen = false;
    env.dialogs.onPrinterChosen = [&](QPrinter &) { chosen = true; };
    click(dialog().ButtonPrint);
    EXPECT_EQ(env.dialogs.printerDialogs, 1);
    EXPECT_FALSE(chosen);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(ReportDialogTest, APrinterThatCannotStartIsReported)
{
    dialog().show();
    env.dialogs.printerAnswers = {true};
    env.dialogs.onPrinterChosen = [this](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"missing/folder/protokol.pdf"_s));
    };
    click(dialog().ButtonPrint);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(ReportDialogTest, EnterMovesThroughTheFieldsToTheRemarks)
{
    dialog().show();
    QLineEdit *edits[] = {dialog().Edit1, dialog().Edit2, dialog().Edit3,
                          dialog().Edit4, dialog().Edit5, dialog().Edit6};
    QWidget *next[] = {dialog().Edit2, dialog().Edit3, dialog().Edit4, dialog().Edit5, dialog().Edit6, dialog().Memo};
    for (int i = 0; i < 6; ++i) {
        edits[i]->setFocus();
        QTest::keyClick(edits[i], Qt::Key_Return);
        EXPECT_EQ(dialog().focusWidget(), next[i]) << i;
    }
    QTest::keyClicks(dialog().Memo, u"a"_s);
    QTest::keyClick(dialog().Memo, Qt::Key_Return);
    QTest::keyClicks(dialog().Memo, u"b"_s);
    EXPECT_EQ(dialog().Memo->toPlainText(), u"a\nb"_s);
    EXPECT_EQ(dialog().focusWidget(), dialog().Memo);
    EXPECT_TRUE(dialog().isVisible()); // no button was pressed by Enter
    EXPECT_EQ(env.dialogs.printerDialogs, 0);
}

// The print button of the main tab opens the dialog modally; what was typed is there again at
// the next opening.
TEST_F(ReportDialogTest, SecondOpeningShowsTheEarlierTexts)
{
    QString seen;
    QTimer::singleShot(0, &main(), [&] {
        QTest::keyClicks(dialog().Edit3, u"kr 777"_s);
        dialog().Memo->setPlainText(u"uwaga"_s);
        click(dialog().Button1);
    });
    click(main().TabMain->ButtonPrintReport);
    EXPECT_FALSE(dialog().isVisible());

    QTimer::singleShot(0, &main(), [&] {
        seen = dialog().Edit3->text() + u'|' + dialog().Memo->toPlainText();
        click(dialog().Button1);
    });
    click(main().TabMain->ButtonPrintReport);
    EXPECT_EQ(seen, u"kr 777|uwaga"_s);
    EXPECT_EQ(env.dialogs.printerDialogs, 0);
}

// "Podgląd" shows the report in a print preview: one page, or two when the remarks reach the
// footer; the dialog stays open with its texts.
TEST_F(ReportDialogTest, PreviewShowsThePagesAndKeepsTheDialogOpen)
{
    dialog().show();
    auto pagesInPreview = [&] {
        int pages = -1;
        // A timer, not a queued call: the notice's painting runs the queued calls but no timers.
        QTimer whenShown;
        whenShown.setSingleShot(true);
        whenShown.callOnTimeout(&dialog(), [&] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (preview == nullptr)
                return;
            if (auto *view = preview->findChild<QPrintPreviewWidget *>())
                pages = view->pageCount();
            preview->reject();
        });
        whenShown.start(0);
        click(dialog().ButtonPreview);
        return pages;
    };
    EXPECT_EQ(pagesInPreview(), 1);
    EXPECT_EQ(env.clock.now(), 100 + 500);
    EXPECT_FALSE(workstation->waitForm().isVisible());

    QStringList remarks;
    for (int i = 1; i <= 20; ++i)
        remarks << u"Uwaga %1"_s.arg(i);
    dialog().Memo->setPlainText(remarks.join(u'\n'));
    EXPECT_EQ(pagesInPreview(), 2);
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(env.dialogs.printerDialogs, 0);
}

// The operator prints from the preview what the preview shows, and that is what the archive keeps,
// although each assembly reads the oxygen sensors anew (and here finds others).
TEST_F(ReportDialogTest, PrintingFromThePreviewPrintsAndArchivesTheReportItShows)
{
    dialog().show();
    dialog().Edit3->setText(u"wa 123"_s);
    vehicle->answer(0x60); // B2S2 B2S3
    vehicle->answer(0x37); // B1S1 B1S2 B1S3 B2S1 B2S2, should the report be assembled again
    const QString shownPath = dir.filePath(u"podglad.pdf"_s);
    const QString printedPath = dir.filePath(u"wydruk.pdf"_s);
    env.dialogs.printerAnswers = {false, true}; // the first choice of a printer cancelled
    env.dialogs.onPrinterChosen = [printedPath](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPath);
    };
    std::size_t queriesShown = 0;
    bool openAfterCancel = false;
    QTimer whenShown;
    whenShown.setSingleShot(true);
    whenShown.callOnTimeout(&dialog(), [&] {
        auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
        if (preview == nullptr || preview->printAction() == nullptr) {
            ADD_FAILURE() << "no preview with its print button";
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        // The pages as the preview draws them, on a PDF of the dialog's printer.
        QPrinter shown(QPrinter::HighResolution);
        shown.setOutputFormat(QPrinter::PdfFormat);
        shown.setPageLayout(dialog().printer().pageLayout());
        shown.setOutputFileName(shownPath);
        emit preview->paintRequested(&shown);
        queriesShown = vehicle->queries.size();
        preview->printAction()->trigger();
        openAfterCancel = preview->isVisible();
        preview->printAction()->trigger();
    });
    whenShown.start(0);
    click(dialog().ButtonPreview);

    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(env.dialogs.printerDialogs, 2);
    EXPECT_EQ(vehicle->queries.size(), queriesShown);
    EXPECT_FALSE(dialog().isVisible()); // printed: the dialog's work is done
    const QString shown = pdfText(shownPath);
    EXPECT_TRUE(shown.contains(u"Ilość czujników tlenu: 2 Lokalizacja czujników tlenu: B2S2 B2S3"_s))
        << shown.toStdString();
    EXPECT_EQ(pdfText(printedPath), shown);
    const QDir archive(dir.filePath(u"raporty"_s));
    const QStringList kept = archive.entryList({u"*.pdf"_s}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << kept.join(u' ').toStdString();
    EXPECT_EQ(pdfText(archive.filePath(kept[0])), shown);
    EXPECT_TRUE(env.dialogs.shown.empty()) << env.dialogs.texts().join(u'|').toStdString();

    // "Drukuj protokół" assembles the report afresh.
    dialog().show();
    env.dialogs.printerAnswers = {true};
    click(dialog().ButtonPrint);
    EXPECT_EQ(vehicle->queries.size(), queriesShown + 1);
    EXPECT_TRUE(pdfText(printedPath).contains(u"Lokalizacja czujników tlenu: B1S1 B1S2 B1S3 B2S1 B2S2"_s));
}

// A remark of many pages, printed with the printer's own fonts: every word once, and every page
// names itself and the vehicle.
TEST_F(ReportDialogTest, ALongRemarkGoesOnOverNumberedPagesOfThePdf)
{
    dialog().show();
    dialog().Edit3->setText(u"wa 777"_s);
    QStringList words;
    for (int i = 1; i <= 3000; ++i)
        words << u"uwaga%1"_s.arg(i, 4, 10, QChar(u'0'));
    dialog().Memo->setPlainText(words.join(u' '));
    const QString path = printToPdf();

    QProcess process;
    process.start(u"pdftotext"_s, {path, u"-"_s});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 5);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages[page].contains(u"Strona %1 z %2"_s.arg(page + 1).arg(pages.size()))) << page;
        EXPECT_TRUE(pages[page].contains(u"Nr rejestracyjny: WA 777"_s)) << page;
        EXPECT_TRUE(pages[page].contains(u"Przyrząd użyty do badania"_s)) << page;
    }
    for (const QString &word : words)
        EXPECT_EQ(text.count(word), 1) << word.toStdString();
}

TEST_F(ReportDialogTest, AFullDiskLeavesNoCutReportAndSaysSo)
{
    SmallFileSystem disk(4096);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    disk.fillLeaving(8192);
    const QString path = disk.filePath(u"protokol.pdf"_s);
    dialog().show();
    env.dialogs.printerAnswers = {true};
    env.dialogs.onPrinterChosen = [path](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    };
    click(dialog().ButtonPrint);
    EXPECT_EQ(env.dialogs.texts(),
              QStringList{u"Nie udało się zapisać całego pliku %1 - sprawdź, czy na dysku jest miejsce."_s.arg(path)});
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).filter(u"protokol"_s), QStringList());

    // With room on the disk again the same print gives the file under the chosen name.
    QFile::remove(disk.filePath(u"filler"_s));
    dialog().show();
    env.dialogs.printerAnswers = {true};
    click(dialog().ButtonPrint);
    EXPECT_EQ(env.dialogs.texts().size(), 1) << env.dialogs.texts().join(u'|').toStdString();
    EXPECT_GT(QFileInfo(path).size(), 1000);
}
