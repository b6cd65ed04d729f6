// The English language module built beside the program, checked against what the sources offer
// for translation today (lupdate's list of the window texts and the catalogue messages), so a
// text added to the code without its English translation fails here.

#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/LanguageModule.h"
#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/DescribeDtc.h"
#include "core/faults/DtcDescriptionTable.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/logview/LogViewerWindow.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/report/ReportArchiveWindow.h"
#include "gui/report/TFormRaport.h"
#include "gui/widgets/StringGrid.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString kEnglishModule = QStringLiteral(KORVATH_ENGLISH_MODULE);
const QString kProgram = QStringLiteral(KORVATH_PROGRAM);

struct SourceText {
    QString context;
    QString source;
    QString disambiguation;
    bool numerus = false;
};

// The text of an element of a .ts file; control characters are written there as <byte/>.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != u"byte")
            break;
    }
    return text;
}

// Every translatable text lupdate found in the sources and the catalogue at this build.
std::vector<SourceText> sourceTexts()
{
    std::vector<SourceText> texts;
    QFile file(QStringLiteral(KORVATH_SOURCE_TEXTS));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = elementText(xml);
        } else if (xml.name() == u"message") {
            texts.push_back(
                {context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        } else if (xml.name() == u"source" && !texts.empty()) {
            texts.back().source = elementText(xml);
        } else if (xml.name() == u"comment" && !texts.empty()) {
            texts.back().disambiguation = elementText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

QString translated(const LanguageModule &module, const SourceText &text)
{
    const QByteArray context = text.context.toUtf8();
    const QByteArray source = text.source.toUtf8();
    const QByteArray disambiguation = text.disambiguation.toUtf8();
    auto &translator = const_cast<LanguageModule &>(module).translator();
    return translator.translate(context.constData(), source.constData(),
                                text.disambiguation.isEmpty() ? nullptr : disambiguation.constData(),
                                text.numerus ? 1 : -1);
}

// What must survive translation: line breaks, placeholders and the blanks at either end (texts
// are joined to others and rely on them).
struct TextShape {
    qsizetype lineBreaks;
    qsizetype bareLineFeeds;
    QStringList placeholders;
    bool leadingBlank;
    bool trailingBlank;

    explicit TextShape(const QString &text)
        : lineBreaks(text.count(QStringLiteral("\r\n"))),
          bareLineFeeds(text.count(u'\n') - lineBreaks),
          leadingBlank(text.startsWith(u' ')),
          trailingBlank(text.endsWith(u' '))
    {
        static const QRegularExpression placeholder(QStringLiteral("%(?:[0-9]+|[sdiuxXcf])"));
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
            placeholders << match.captured();
        placeholders.sort();
    }
    bool operator==(const TextShape &) const = default;
};

std::string describe(const QString &context, const QString &source, const QString &english)
{
    QString shown = english;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r")).replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    return QStringLiteral("%1 \"%2\" -> \"%3\"").arg(context, source, shown).toStdString();
}

// Every text a user reads on the windows: captions, titles, tab and menu texts, hints.
QStringList visibleTexts(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(const_cast<QWidget *>(&window));
    for (const QWidget *widget : widgets) {
        texts << widget->toolTip() << widget->statusTip();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            texts << edit->placeholderText();
        if (const auto *bar = qobject_cast<const QTabBar *>(widget))
            for (int index = 0; index < bar->count(); ++index)
                texts << bar->tabText(index) << bar->tabToolTip(index);
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            texts << menu->title();
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
        if (const auto *grid = qobject_cast<const QTableWidget *>(widget))
            for (int column = 0; column < grid->columnCount(); ++column) {
                if (const QTableWidgetItem *header = grid->horizontalHeaderItem(column))
                    texts << header->text();
                for (int row = 0; row < grid->rowCount(); ++row)
                    if (const QTableWidgetItem *cell = grid->item(row, column))
                        texts << cell->text() << cell->toolTip();
            }
        if (const auto *list = qobject_cast<const QComboBox *>(widget))
            for (int index = 0; index < list->count(); ++index)
                texts << list->itemText(index);
    }
    texts.removeAll(QString());
    return texts;
}

QStringList polishTexts(const QStringList &texts)
{
    static const QRegularExpression polishLetter(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    return texts.filter(polishLetter);
}

// The English module loaded and active, and the windows started in its language.
class EnglishModuleTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(module.load(kEnglishModule)) << kEnglishModule.toStdString();
        LanguageModule::activate(&module);
        start();
    }
    void TearDown() override
    {
        workstation.reset();
        LanguageModule::activate(nullptr);
    }

    QStringList allWindowTexts()
    {
        QStringList texts;
        for (const QWidget *window :
             std::initializer_list<const QWidget *>{&main(), &workstation->aboutForm(), &workstation->setupForm(),
                                                    &workstation->raportForm(), &workstation->waitForm()})
            texts << visibleTexts(*window);
        return texts;
    }

    LanguageModule module;
};

} // namespace

TEST_F(EnglishModuleTest, TranslatesEveryTextOfTheSourcesAndEveryCatalogueMessage)
{
    const std::vector<SourceText> texts = sourceTexts();
    // The list holds the window texts of every window and all catalogue messages.
    for (const CatalogueEntry &entry : MessageCatalogue()) {
        const QString name = QString::fromLatin1(entry.name);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const SourceText &t) {
            return t.context == u"MessageCatalogue" && t.source == name;
        })) << entry.name;
    }
    for (const char *context : {"TMainForm", "MainTabPage", "TAboutForm", "TSetupForm", "TFormRaport", "TWaitForm"})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const SourceText &t) {
            return t.context == QLatin1String(context);
        })) << context;

    QStringList untranslated;
    for (const SourceText &text : texts)
        if (translated(module, text).isEmpty())
            untranslated << QStringLiteral("%1: \"%2\"").arg(text.context, text.source);
    EXPECT_TRUE(untranslated.isEmpty()) << "Texts without an English translation (refresh and fill in "
                                           "translations/korvath-diag_en.ts):\n"
                                        << untranslated.join(u'\n').toStdString();
}

TEST_F(EnglishModuleTest, KeepsLineBreaksPlaceholdersAndEdgeBlanks)
{
    for (const CatalogueEntry &entry : MessageCatalogue()) {
        const QString polish = QString::fromUtf16(entry.text);
        const QString english = module.messageText(entry.name);
        EXPECT_TRUE(TextShape(english) == TextShape(polish))
            << describe(QStringLiteral("MessageCatalogue"), polish, english);
        EXPECT_LE(english.size(), kMaxMessageLength) << entry.name;
    }
    for (const SourceText &text : sourceTexts()) {
        if (text.context == u"MessageCatalogue")
            continue;
        const QString english = translated(module, text);
        EXPECT_TRUE(TextShape(english) == TextShape(text.source)) << describe(text.context, text.source, english);
    }
}

TEST_F(EnglishModuleTest, IsChosenBesideTheProgramForEveryEnglishLocaleOnly)
{
    for (const char *abbreviation : {"ENU", "ENG", "ENA", "EN"}) {
        const auto chosen = LanguageModule::choose(kProgram, QString::fromLatin1(abbreviation));
        ASSERT_NE(chosen, nullptr) << abbreviation;
        EXPECT_EQ(QFileInfo(chosen->path()), QFileInfo(kEnglishModule)) << abbreviation;
    }
    EXPECT_EQ(LanguageModule::choose(kProgram, QStringLiteral("PLK")), nullptr);
    EXPECT_EQ(LanguageModule::choose(kProgram, QString()), nullptr);
}

TEST_F(EnglishModuleTest, MessagesKeepTheirLayoutInEnglish)
{
    LanguageModule::activate(&module);
    EXPECT_EQ(LoadMessage(STabMsg), QStringLiteral("To reach the other functions of the program, \r\n"
                                                   "    connect to the vehicle first \r\n"
                                                   "           by pressing the \"Connect\" button "));
    EXPECT_EQ(LoadMessage(SModDiscPend) + QStringLiteral("ECU") + LoadMessage(SDisconnected),
              QStringLiteral("Disconnecting modules... ECU disconnected"));
    EXPECT_EQ(LoadMessage(SDTCClearWrng).split(QStringLiteral("\r\n")).size(), 11);
    EXPECT_EQ(LoadMessage(PStopka3), QStringLiteral("https://www.korvath.pl"));
    LanguageModule::activate(nullptr);
    EXPECT_EQ(LoadMessage(SConnect), QStringLiteral("Połącz"));
}

TEST_F(EnglishModuleTest, EveryWindowIsInEnglish)
{
    const QStringList texts = allWindowTexts();
    EXPECT_GT(texts.size(), 150);
    EXPECT_TRUE(polishTexts(texts).isEmpty()) << polishTexts(texts).join(u'\n').toStdString();

    EXPECT_EQ(main().windowTitle(), QStringLiteral("Korvath Diag  1.1.2"));
    EXPECT_EQ(main().Pages->tabText(0), QStringLiteral("Main"));
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Connect"));
    EXPECT_EQ(main().menuBar()->actions().front()->text(), QStringLiteral("&File"));
    EXPECT_EQ(workstation->aboutForm().StaticTextVersion->text(), QStringLiteral("Version 1.1.2"));

    // The tab gate's notice comes from the catalogue, in English too.
    clickTab(main().TabDTC);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_TRUE(env.dialogs.shown.front().text.startsWith(QStringLiteral("To reach the other functions")));
}

TEST_F(EnglishModuleTest, WithoutTheModuleTheWindowsStayPolish)
{
    LanguageModule::activate(nullptr);
    start();
    EXPECT_FALSE(polishTexts(allWindowTexts()).isEmpty());
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_EQ(main().Pages->tabText(0), QStringLiteral("Główna"));
}

TEST_F(EnglishModuleTest, WhatTheVehicleGivesIsShownInEnglish)
{
    // Every tab filled: fault codes with their titles, the freeze frame, live sensors, the
    // monitors and the plot's parameter lists.
    clickPolacz();
    clickTab(main().TabDTC);
    click(main().TabDTC->ButtonDTCOdczytaj);
    EXPECT_EQ(main().TabDTC->StringGridDTCPending->Cells(1, 1), QStringLiteral("Cylinder 1 Misfire Detected"));
    clickTab(main().TabFreeze);
    click(main().TabFreeze->ButtonFreezeRead);
    EXPECT_EQ(main().TabFreeze->StringGridFreezeParams->Cells(1, 10), QStringLiteral("Engine speed"));
    EXPECT_EQ(main().TabFreeze->StringGridFreezeParams->Cells(2, 10), QStringLiteral("rpm"));
    clickTab(main().TabSensors);
    QStringList whileReading;
    env.clock.at(env.clock.now() + 3000, [&] {
        whileReading = allWindowTexts();
        click(main().TabSensors->ButtonStart);
    });
    click(main().TabSensors->ButtonStart);
    clickTab(main().TabMonitors);
    click(main().TabMonitors->ButtonMonitorRead);
    clickTab(main().TabPlot);
    QStringList whilePlotting;
    env.clock.at(env.clock.now() + 1000, [&] {
        whilePlotting = allWindowTexts();
        click(main().TabPlot->ButtonPlotStart);
    });
    click(main().TabPlot->ButtonPlotStart);
    const QStringList texts = whileReading + whilePlotting;

    EXPECT_TRUE(texts.contains(QStringLiteral("Vehicle speed")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Fuel system status 1/2")));
    EXPECT_TRUE(polishTexts(texts).isEmpty()) << polishTexts(texts).join(u'\n').toStdString();

    // A code the table lacks gets the English fallback; a real car's code the English title of
    // the generic table, or the manufacturer's message.
    EXPECT_EQ(LookupDtcDescription(QStringLiteral("P9999")),
              QStringLiteral("No description of the code in the database"));
    EXPECT_EQ(DescribeDtc(QStringLiteral("U0100"), DtcOrigin::RealVehicle),
              QStringLiteral("Lost Communication With ECM/PCM A"));
    EXPECT_EQ(DescribeDtc(QStringLiteral("P1234"), DtcOrigin::RealVehicle),
              QStringLiteral("Manufacturer-specific code - see the vehicle manufacturer's documentation"));
}

TEST_F(EnglishModuleTest, TheLogViewerAndTheReportArchiveAreInEnglish)
{
    QTemporaryDir dir;
    SensorLogData log;
    log.pids = {0x0C};
    log.columns.resize(1);
    LogViewerWindow viewer(env.platform, dir.filePath(QStringLiteral("log.csv")), std::move(log));
    ReportArchiveWindow archive(env.platform, dir.path());
    const QStringList texts = visibleTexts(viewer) + visibleTexts(archive);
    EXPECT_TRUE(polishTexts(texts).isEmpty()) << polishTexts(texts).join(u'\n').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Export chart")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Report archive")));
}
