#include "support/core/ShortWriteFile.h"
#include "support/gui/SensorsFixture.h"

#include "core/livedata/SensorTable.h"
#include "core/livedata/Windows1250.h"
#include "gui/logview/LogChart.h"
#include "gui/logview/LogViewerWindow.h"
#include "gui/mainwindow/RecordsMenu.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocalServer>
#include <QPointer>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <qcustomplot.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// Sends a mouse event to the chart as the pointer would, at a time of its axis.
void pointAt(QCustomPlot &chart, double time, QEvent::Type type = QEvent::MouseMove,
             Qt::MouseButton button = Qt::NoButton)
{
    const QPointF position(chart.xAxis->coordToPixel(time), chart.axisRect()->center().y());
    QMouseEvent event(type, position, chart.mapToGlobal(position), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &event);
}

// What stands under a log's name in the file dialog: a file, or something that is none.
enum class Kind { File, Pipe, Socket, Device };

// Should the viewer open a pipe and wait for a writer, this writer comes after a while and goes
// at once, so that the test fails instead of hanging. A viewer that never opens the pipe lets it
// go at once.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const QString &path)
        : m_thread([this, name = QFile::encodeName(path)] {
              if (m_done.get_future().wait_for(std::chrono::seconds(5)) == std::future_status::ready)
                  return;
              const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
              if (writer >= 0)
                  ::close(writer);
          })
    {
    }
    ~PipeWatchdog()
    {
        m_done.set_value();
        m_thread.join();
    }

private:
    std::promise<void> m_done;
    std::thread m_thread;
};

// The text of a PDF file as pdftotext reads it, runs of white space made one blank.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"(pdftotext failed)"_s;
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

double secondsOf(const QDateTime &local)
{
    return double(local.date().startOfDay(Qt::UTC).toMSecsSinceEpoch() + local.time().msecsSinceStartOfDay()) / 1000;
}

} // namespace

class LogViewerTest : public SensorsTabTest {
protected:
    void SetUp() override
    {
        SensorsTabTest::SetUp();
        state().Settings.LogDirectory = logDir.path();
    }

    QString writeLog(const QString &name, const QByteArray &bytes)
    {
        const QString path = logDir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // "Plik" -> "Otwórz log..." with path chosen in the file dialog; the viewer it opened.
    LogViewerWindow *openLog(const QString &path)
    {
        env.dialogs.openStartedIn.clear();
        env.dialogs.filesToOpen = {path};
        main().Records->MnuOtworzLog->trigger();
        EXPECT_EQ(env.dialogs.openStartedIn, QStringList{logDir.path()});
        LogViewerWindow *found = nullptr;
        for (auto *window : main().findChildren<LogViewerWindow *>())
            if (!window->property("seen").toBool())
                found = window;
        if (found != nullptr)
            found->setProperty("seen", true);
        return found;
    }

    QTemporaryDir logDir;
};

TEST_F(LogViewerTest, ALogRecordedOnTheSensorsTabOpensWithItsChartAndCursorReadout)
{
    // Nine reads a pass, 100 ms each, after 300 ms of detection: passes start at 300, 1200 and
    // 2100 ms after 13:45:01; the first is not logged.
    vehicle->onQuery = [this](int query) {
        if (query == 5)
            click(page().ButtonLogToFile);
        if (query == 34)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    const QString path = logDir.filePath(u"log20261207134501.csv"_s);
    ASSERT_TRUE(QFile::exists(path));

    LogViewerWindow *viewer = openLog(path);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(env.dialogs.shown.empty());
    EXPECT_EQ(viewer->data().rowCount(), 2);
    // The first three numeric parameters are shown; the fuel status (03) is offered in no list.
    EXPECT_EQ(viewer->ComboBoxLog[0]->currentText(), u"Wartość obciążenia (wyliczona)"_s);
    EXPECT_EQ(viewer->ComboBoxLog[1]->currentText(), u"Temperatura płynu chłodzącego"_s);
    EXPECT_EQ(viewer->ComboBoxLog[2]->currentText(), u"Krótkoterminowa korekta wtrysku Bank 1/3"_s);
    EXPECT_EQ(viewer->ComboBoxLog[3]->currentIndex(), 0);
    EXPECT_EQ(viewer->ComboBoxLog[0]->findText(u"Status układu paliwowego 1/2"_s), -1);
    EXPECT_EQ(viewer->chart().valueAxis(1).label(), u"st C"_s);
    EXPECT_FALSE(viewer->chart().valueAxis(3).visible());
    ASSERT_EQ(viewer->chart().graph(0).dataCount(), 2);
    EXPECT_DOUBLE_EQ(viewer->chart().graph(0).data()->at(0)->value, 100.0);

    // The pointer at the second row: every shown value with its unit, and the time.
    const double second = secondsOf(QDateTime(QDate(2026, 12, 7), QTime(13, 45, 3, 100)));
    pointAt(*viewer->ChartLog, second + 0.2);
    EXPECT_TRUE(viewer->LabelCzas->text().startsWith(u"Czas: 2026-12-07 13:45:03."_s))
        << viewer->LabelCzas->text().toStdString();
    EXPECT_EQ(viewer->LabelWartosc[0]->text(), u"100.00 %"_s);
    EXPECT_EQ(viewer->LabelWartosc[1]->text(), u"215 st C"_s);
    EXPECT_TRUE(viewer->LabelWartosc[3]->text().isEmpty());

    // A parameter chosen later reads out at the cursor at once.
    ASSERT_TRUE(viewer->chooseParameter(3, 0x0C));
    EXPECT_EQ(viewer->LabelWartosc[3]->text(), u"16383 obr/min"_s);
    EXPECT_FALSE(viewer->chooseParameter(4, 0x03));

    // The table holds the rows as the file does; a click on the chart selects the row.
    QTableView *table = viewer->TableLog;
    EXPECT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(), u"0C Prędkość obrotowa silnika [obr/min]"_s);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), u"2026-12-07 13:45:02.200"_s);
    EXPECT_TRUE(table->model()->index(0, 1).data().toString().startsWith(u"brak sprzężenia"_s));
    pointAt(*viewer->ChartLog, second + 0.1, QEvent::MouseButtonPress, Qt::LeftButton);
    pointAt(*viewer->ChartLog, second + 0.1, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(table->currentIndex().row(), 1);
    table->selectRow(0);
    EXPECT_EQ(viewer->LabelCzas->text(), u"Czas: 2026-12-07 13:45:02.200"_s);
    viewer->close();
}

TEST_F(LogViewerTest, WhatIsNoLogIsRefusedAndABrokenLogShownUpToTheBreak)
{
    const QString notAFile = u"To nie jest zwykły plik, lecz potok, gniazdo, urządzenie lub katalog - log czujników "
                             u"jest zawsze zwykłym plikiem."_s;
    const struct {
        const char *name;
        QByteArray bytes;
        bool shown;
        QString message; // empty for none
        Kind kind = Kind::File;
    } cases[] = {
        {"pusty.csv", QByteArray(), false, u"Nie można wyświetlić logu pusty.csv.\nPlik jest pusty."_s},
        {"arkusz.csv", "Data;Temperatura\r\n1;2\r\n", false,
         u"Nie można wyświetlić logu arkusz.csv.\nWiersz 1: brak nagłówka \"Ulmora Log\" - to nie jest log czujników "
         u"tego programu."_s},
        {"obraz.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), false, u"Wiersz 1: brak nagłówka"_s},
        {"pid.csv", "Ulmora Log,0C,E0,\r\n20261207120000100,800,1,\r\n", false,
         u"Wiersz 1: nagłówek zawiera nieznany PID \"E0\"."_s},
        {"pola.csv", "Ulmora Log,0C,0D,\r\n20261207120000100,800,0,\r\n20261207120000200,800,\r\n", true,
         u"Log pola.csv wczytano tylko w części.\nWiersz 3: liczba pól 2, a nagłówek zapowiada 3.\nPokazano dane do "
         u"wiersza 2."_s},
        {"czas.csv", "Ulmora Log,0C,\r\n20261207120000100,800,\r\nxx,800,\r\n", true,
         u"Wiersz 3: \"xx\" nie jest znacznikiem czasu."_s},
        {"dobry.csv", "Ulmora Log,0C,\r\n20261207235959900,800,\r\n20261208000000100,900,\r\n", true, {}},
        // Saved by a program that ends lines with a CR alone.
        {"mac.csv", "Ulmora Log,0C,\r20261207235959900,800,\r20261208000000100,900,\r", true, {}},
        {"tab.csv", "Ulmora Log,0C,\r\n\x0b\t,800,\r\n", false, u"Wiersz 2: \"??\" nie jest znacznikiem czasu."_s},
        // None of these may hold the window: a pipe waits for a writer that never comes.
        {"potok.csv", {}, false, u"Nie można wyświetlić logu potok.csv.\n"_s + notAFile, Kind::Pipe},
        {"gniazdo.csv", {}, false, u"Nie można wyświetlić logu gniazdo.csv.\n"_s + notAFile, Kind::Socket},
        {"null", {}, false, u"Nie można wyświetlić logu null.\n"_s + notAFile, Kind::Device},
    };
    for (const auto &c : cases) {
        env.dialogs.shown.clear();
        QString path;
        QLocalServer socket;
        std::unique_ptr<PipeWatchdog> watchdog;
        switch (c.kind) {
        case Kind::File: path = writeLog(QString::fromLatin1(c.name), c.bytes); break;
        case Kind::Pipe:
            path = logDir.filePath(QString::fromLatin1(c.name));
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            watchdog = std::make_unique<PipeWatchdog>(path);
            break;
        case Kind::Socket:
            path = logDir.filePath(QString::fromLatin1(c.name));
            ASSERT_TRUE(socket.listen(path));
            break;
        case Kind::Device: path = u"/dev/null"_s; break;
        }
        LogViewerWindow *viewer = openLog(path);
        watchdog.reset();
        EXPECT_EQ(viewer != nullptr, c.shown) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(env.dialogs.shown.empty()) << c.name;
        } else {
            ASSERT_EQ(env.dialogs.shown.size(), 1u) << c.name;
            EXPECT_TRUE(env.dialogs.shown[0].text.contains(c.message)) << env.dialogs.shown[0].text.toStdString();
            EXPECT_EQ(env.dialogs.shown[0].icon, c.shown ? MessageIcon::Warning : MessageIcon::Error) << c.name;
            EXPECT_EQ(env.dialogs.shown[0].text.count(u'\r'), 0) << c.name;
        }
        if (viewer != nullptr)
            viewer->close();
    }
    LogViewerWindow *mac = openLog(logDir.filePath(u"mac.csv"_s));
    ASSERT_NE(mac, nullptr);
    ASSERT_EQ(mac->data().rowCount(), 2);
    EXPECT_EQ(mac->TableLog->model()->index(1, 1).data().toString(), u"900"_s);
    mac->close();
}

TEST_F(LogViewerTest, ZoomAndPanStayInsideTheLogAndDrawAFewPointsAPixel)
{
    QByteArray bytes = "Ulmora Log,0C,0D,\r\n";
    const QDateTime start(QDate(2026, 12, 7), QTime(23, 0, 0));
    for (int row = 0; row < 20000; ++row) {
        const QDateTime when = start.addMSecs(qint64(row) * 250); // runs past midnight
        bytes += QString::asprintf("%s,%d,%s,\r\n", when.toString(u"yyyyMMddHHmmsszzz"_s).toLatin1().constData(),
                                   800 + row % 2000, row % 1000 == 500 ? "" : "50")
                     .toLatin1();
    }
    LogViewerWindow *viewer = openLog(writeLog(u"dlugi.csv"_s, bytes));
    ASSERT_NE(viewer, nullptr);
    viewer->resize(900, 700);
    QCustomPlot &chart = *viewer->ChartLog;
    chart.replot();
    const double first = secondsOf(start);
    const double last = first + 19999 * 0.25;
    EXPECT_DOUBLE_EQ(chart.xAxis->range().lower, first);
    EXPECT_DOUBLE_EQ(chart.xAxis->range().upper, last);
    const int width = chart.axisRect()->width();
    EXPECT_LE(chart.graph(0)->dataCount(), 3 * width + 2);

    // Zooming in with the wheel narrows the range around the pointer; dragging past the end
    // stops at the end.
    const QPointF centre = chart.axisRect()->center();
    QWheelEvent wheel(centre, chart.mapToGlobal(centre), QPoint(), QPoint(0, 120 * 5), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&chart, &wheel);
    const QCPRange zoomed = chart.xAxis->range();
    EXPECT_LT(zoomed.size(), (last - first) / 2);
    EXPECT_GT(zoomed.lower, first);
    EXPECT_LE(chart.graph(0)->dataCount(), 3 * width + 2);

    viewer->chart().setTimeRange(last - 10, last + 1000);
    EXPECT_DOUBLE_EQ(chart.xAxis->range().upper, last);
    EXPECT_NEAR(chart.xAxis->range().size(), 1010, 1e-6);
    viewer->chart().setTimeRange(first + 100, first + 100.1);
    EXPECT_NEAR(chart.xAxis->range().size(), 0.5, 1e-6); // never narrower than a few rows
    EXPECT_LE(chart.graph(0)->dataCount(), 5);

    // A gap stays a gap at every zoom.
    viewer->chart().setTimeRange(first + 120, first + 130);
    bool gap = false;
    for (auto it = chart.graph(1)->data()->constBegin(); it != chart.graph(1)->data()->constEnd(); ++it)
        gap = gap || std::isnan(it->value);
    EXPECT_TRUE(gap);

    // The keyboard pans and zooms as the mouse does.
    QTest::keyClick(&chart, Qt::Key_Right);
    EXPECT_NEAR(chart.xAxis->range().lower, first + 121, 1e-6);
    QTest::keyClick(&chart, Qt::Key_Minus);
    EXPECT_NEAR(chart.xAxis->range().size(), 20, 1e-6); // twice as wide
    QTest::keyClick(&chart, Qt::Key_Home);
    EXPECT_DOUBLE_EQ(chart.xAxis->range().upper, last);

    viewer->chart().setTimeRange(first + 120, first + 130);
    click(viewer->ButtonCalosc);
    EXPECT_DOUBLE_EQ(chart.xAxis->range().upper, last);
    viewer->close();
}

// A damaged log's 3.4e38 among engine speeds: the axis shows the speeds, and a note says what is
// left off it.
TEST_F(LogViewerTest, ANumberNoSensorReadsIsLeftOffTheAxisWithANote)
{
    LogViewerWindow *viewer = openLog(writeLog(u"uszkodzony.csv"_s, "Ulmora Log,0C,0D,\r\n20261207120000100,800,50,\r\n"
                                                                    "20261207120001100,3.4e38,60,\r\n"
                                                                    "20261207120002100,900,70,\r\n"));
    ASSERT_NE(viewer, nullptr);
    const QCPRange speeds = viewer->chart().valueAxis(0).range();
    EXPECT_GT(speeds.upper, 900);
    EXPECT_LT(speeds.upper, 1000);
    EXPECT_FALSE(viewer->LabelPozaSkala->isHidden());
    EXPECT_EQ(viewer->LabelPozaSkala->text(),
              u"Wartości daleko poza zakresem czujnika nie mieszczą się na osi (są w tabeli): "_s
                  + PidDescription(0x0C));
    EXPECT_EQ(viewer->TableLog->model()->index(1, 1).data().toString(), u"3.4e38"_s);
    viewer->ComboBoxLog[0]->setCurrentIndex(0);
    EXPECT_TRUE(viewer->LabelPozaSkala->isHidden());
    viewer->close();
}

TEST_F(LogViewerTest, TheChartIsExportedToPngAndPdf)
{
    LogViewerWindow *viewer =
        openLog(writeLog(u"eksport.csv"_s, "Ulmora Log,0C,\r\n20261207120000100,800,\r\n20261207120001100,900,\r\n"));
    ASSERT_NE(viewer, nullptr);
    env.dialogs.filesToSave = {logDir.filePath(u"wykres.png"_s), logDir.filePath(u"wykres.PDF"_s),
                               QString()}; // the last cancelled
    click(viewer->ButtonEksport);
    EXPECT_EQ(env.dialogs.saveSuggestions.value(0), logDir.filePath(u"eksport.png"_s));
    click(viewer->ButtonEksport);
    click(viewer->ButtonEksport);
    QFile png(logDir.filePath(u"wykres.png"_s));
    QFile pdf(logDir.filePath(u"wykres.PDF"_s));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(4) == "\x89PNG");
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    EXPECT_TRUE(env.dialogs.shown.empty());

    // Above the plot, whoever receives the file reads the log's name, its span and each shown
    // parameter with its unit, in its trace's colour.
    const QString legend = pdfText(logDir.filePath(u"wykres.PDF"_s));
    for (const QString &part : {u"eksport.csv"_s, u"2026-12-07 12:00:00.100"_s, u"2026-12-07 12:00:01.100"_s,
                                u"Prędkość obrotowa silnika [obr/min]"_s})
        EXPECT_TRUE(legend.contains(part)) << part.toStdString() << " in " << legend.toStdString();
    const QImage picture(logDir.filePath(u"wykres.png"_s));
    const int band = picture.height() - viewer->ChartLog->height();
    EXPECT_GT(band, 2 * viewer->ChartLog->fontMetrics().height());
    int traceColoured = 0;
    for (int y = 0; y < band; ++y)
        for (int x = 0; x < picture.width(); ++x)
            traceColoured += picture.pixelColor(x, y) == LogChart::traceColour(0) ? 1 : 0;
    EXPECT_GT(traceColoured, 40); // the stroke before the name, and the name

    png.close();
    pdf.close();

    // A disk that takes only part of the picture or the document: the earlier export stays as it
    // was, no part of the new one is left, and the operator is told each time.
    const auto bytesOf = [](QFile &file) {
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        file.close();
        return bytes;
    };
    const QStringList files = QDir(logDir.path()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray pngBefore = bytesOf(png);
    const QByteArray pdfBefore = bytesOf(pdf);
    env.logFiles.make = [](const QString &path) { return std::make_unique<ShortWriteFile>(path, 100); };
    env.dialogs.filesToSave = {logDir.filePath(u"wykres.png"_s), logDir.filePath(u"wykres.PDF"_s)};
    click(viewer->ButtonEksport);
    click(viewer->ButtonEksport);
    env.logFiles.make = nullptr;
    EXPECT_EQ(bytesOf(png), pngBefore);
    EXPECT_EQ(bytesOf(pdf), pdfBefore);
    EXPECT_EQ(QDir(logDir.path()).entryList(QDir::Files | QDir::Hidden), files);
    ASSERT_EQ(env.dialogs.shown.size(), 2u);
    EXPECT_EQ(env.dialogs.shown[0].text,
              u"Nie można zapisać wykresu w pliku %1 - sprawdź, czy na dysku jest miejsce i czy katalog istnieje."_s
                  .arg(logDir.filePath(u"wykres.png"_s)));

    env.dialogs.shown.clear();
    env.dialogs.filesToSave = {logDir.filePath(u"brak/katalogu/wykres.png"_s)};
    click(viewer->ButtonEksport);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);

    // A zoomed chart also says which part of the log it shows.
    const double first = viewer->data().times.front();
    viewer->chart().setTimeRange(first + 0.2, first + 0.8);
    env.dialogs.filesToSave = {logDir.filePath(u"czesc.pdf"_s)};
    click(viewer->ButtonEksport);
    EXPECT_TRUE(pdfText(logDir.filePath(u"czesc.pdf"_s))
                    .contains(u"Na wykresie od 2026-12-07 12:00:00.300 do 2026-12-07 12:00:00.900"_s));
    viewer->close();
}

// Maximised, the table's columns fill its width with every header whole; narrowed, each keeps
// what its header needs and the table scrolls sideways.
TEST_F(LogViewerTest, TheTableColumnsUseTheirWidthAndCutNoHeader)
{
    LogViewerWindow *viewer = openLog(
        writeLog(u"szeroki.csv"_s,
                 "Ulmora Log,0C,0D,05,0B,\r\n20261207120000100,800,0,90,101,\r\n20261207120001100,900,5,91,99,\r\n"));
    ASSERT_NE(viewer, nullptr);
    QTableView *table = viewer->TableLog;
    QHeaderView *header = table->horizontalHeader();
    const auto headersWhole = [&] {
        for (int column = 0; column < header->count(); ++column) {
            const QString text = table->model()->headerData(column, Qt::Horizontal).toString();
            EXPECT_GT(header->sectionSize(column), header->fontMetrics().horizontalAdvance(text)) << column;
        }
    };
    const auto columnsWidth = [&] {
        int width = 0;
        for (int column = 0; column < header->count(); ++column)
            width += header->sectionSize(column);
        return width;
    };
    viewer->resize(1900, 1000);
    QCoreApplication::processEvents();
    headersWhole();
    EXPECT_EQ(columnsWidth(), table->viewport()->width());

    viewer->resize(700, 600);
    QCoreApplication::processEvents();
    headersWhole();
    EXPECT_GT(columnsWidth(), table->viewport()->width());
    EXPECT_GT(table->horizontalScrollBar()->maximum(), 0);
    viewer->close();
}

// The viewer opens over the main window wherever that stands, is announced as a window with its
// title, and Esc or Ctrl+W closes it.
TEST_F(LogViewerTest, TheViewerIsAWindowOfItsOwnOverTheMainWindow)
{
    const QString path = writeLog(u"okno.csv"_s, "Ulmora Log,0C,\r\n20261207120000100,800,\r\n");
    main().move(360, 300); // off the desktop's centre, with room for the viewer around its own
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        QPointer<LogViewerWindow> viewer = openLog(path);
        ASSERT_NE(viewer, nullptr);
        const QPoint offset = viewer->frameGeometry().center() - main().frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 24) << offset.x() << ',' << offset.y();

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(viewer.data());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_EQ(window->text(QAccessible::Name), u"Log czujników - okno.csv"_s);

        viewer->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.data()));
        QTest::keySequence(viewer->TableLog, keys);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(viewer.isNull()) << keys.toString().toStdString();
    }
}
