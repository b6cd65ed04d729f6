#include "core/catalogue/LanguageModule.h"
#include "core/catalogue/MessageCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString kDataDir = QStringLiteral(KORVATH_TEST_DATA_DIR);

// A folder with a program file and the language modules a test puts beside it.
class ProgramFolder {
public:
    QString program(const QString &name = QStringLiteral("korvath-diag")) const { return m_dir.filePath(name); }
    void addModule(const QString &source, const QString &fileName) const
    {
        ASSERT_TRUE(QFile::copy(kDataDir + u'/' + source, m_dir.filePath(fileName)));
    }
    void addFile(const QString &fileName, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void addDirectory(const QString &name) const { ASSERT_TRUE(QDir(m_dir.path()).mkdir(name)); }

private:
    QTemporaryDir m_dir;
};

// Makes a module the resource source for one test and returns to the built-in texts after it.
class ActiveModule {
public:
    explicit ActiveModule(std::unique_ptr<LanguageModule> module) : m_module(std::move(module))
    {
        LanguageModule::activate(m_module.get());
    }
    ~ActiveModule() { LanguageModule::activate(nullptr); }

private:
    std::unique_ptr<LanguageModule> m_module;
};

} // namespace

TEST(LanguageModuleTest, NamesTheModuleAfterTheProgramFile)
{
    EXPECT_EQ(LanguageModule::modulePath(QStringLiteral("C:/Ulmora/Ulmora.exe"), QStringLiteral("PLK")),
              QStringLiteral("C:/Ulmora/Ulmora.PLK"));
    EXPECT_EQ(LanguageModule::modulePath(QStringLiteral("/usr/bin/korvath-diag"), QStringLiteral("ENU")),
              QStringLiteral("/usr/bin/korvath-diag.ENU"));
    EXPECT_EQ(LanguageModule::modulePath(QStringLiteral("/opt/v1.1/korvath-diag"), QStringLiteral("DE")),
              QStringLiteral("/opt/v1.1/korvath-diag.DE"));
}

TEST(LanguageModuleTest, PrefersThreeLettersThenTwoThenNone)
{
    ProgramFolder folder;
    folder.addModule(QStringLiteral("lang_english.qm"), QStringLiteral("korvath-diag.ENU"));
    folder.addModule(QStringLiteral("lang_german.qm"), QStringLiteral("korvath-diag.EN"));
    folder.addModule(QStringLiteral("lang_german.qm"), QStringLiteral("korvath-diag.DE"));

    auto english = LanguageModule::choose(folder.program(), QStringLiteral("ENU"));
    ASSERT_NE(english, nullptr);
    EXPECT_TRUE(english->path().endsWith(QStringLiteral(".ENU")));

    auto german = LanguageModule::choose(folder.program(), QStringLiteral("DEU"));
    ASSERT_NE(german, nullptr);
    EXPECT_TRUE(german->path().endsWith(QStringLiteral(".DE")));

    EXPECT_EQ(LanguageModule::choose(folder.program(), QStringLiteral("PLK")), nullptr);
    EXPECT_EQ(LanguageModule::choose(folder.program(), QString()), nullptr);
}

TEST(LanguageModuleTest, UnreadableOrForeignFilesAreSkippedSilently)
{
    ProgramFolder folder;
    folder.addDirectory(QStringLiteral("korvath-diag.CSY")); // cannot be read as a file
    folder.addModule(QStringLiteral("lang_german.qm"), QStringLiteral("korvath-diag.CS"));
    auto czech = LanguageModule::choose(folder.program(), QStringLiteral("CSY"));
    ASSERT_NE(czech, nullptr);
    EXPECT_TRUE(czech->path().endsWith(QStringLiteral(".CS")));

    folder.addFile(QStringLiteral("korvath-diag.SKY"), "this is not a translation file");
    EXPECT_EQ(LanguageModule::choose(folder.program(), QStringLiteral("SKY")), nullptr);
}

TEST(LanguageModuleTest, ReplacesMessagesAndWindowTextsWhileActive)
{
    ProgramFolder folder;
    folder.addModule(QStringLiteral("lang_english.qm"), QStringLiteral("korvath-diag.ENU"));
    {
        ActiveModule active(LanguageModule::choose(folder.program(), QStringLiteral("ENU")));
        EXPECT_EQ(LoadMessage(STitle), QStringLiteral("Korvath Diag EN"));
        EXPECT_EQ(LoadMessage(SModDiscPend), QStringLiteral("Disconnecting modules... "));
        // The module is the whole resource source: a message it lacks is empty.
        EXPECT_EQ(LoadMessage(STabMsg), QString());
        // Except the messages added with the adapters, which older modules cannot carry.
        EXPECT_EQ(LoadMessage(SDetectedIface), QStringLiteral("Wykryto interfejs %1"));
        EXPECT_EQ(QCoreApplication::translate("TMainForm", "Główna"), QStringLiteral("Main"));
        // Texts are cut to 1023 characters.
        EXPECT_EQ(LoadMessage(SForWin), QString(1023, u'x'));
        EXPECT_EQ(LoadMessage(SNoFreezeFrame), QString(1023, u'y'));
    }
    EXPECT_EQ(LoadMessage(STitle), QStringLiteral("Korvath Diag"));
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "Główna"), QStringLiteral("Główna"));
}

TEST(LanguageModuleTest, AModuleWithoutCatalogueTextsIsRefused)
{
    ProgramFolder folder;
    QFile real(kDataDir + QStringLiteral("/lang_english.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();
    for (qsizetype cut : {16, 18, 20, 64})
        folder.addFile(QStringLiteral("korvath-diag.C%1").arg(cut), bytes.left(cut));
    folder.addModule(QStringLiteral("lang_windows_only.qm"), QStringLiteral("korvath-diag.CSY"));
    folder.addModule(QStringLiteral("lang_german.qm"), QStringLiteral("korvath-diag.CS"));

    for (qsizetype cut : {16, 18, 20, 64})
        EXPECT_EQ(LanguageModule::choose(folder.program(), QStringLiteral("C%1").arg(cut)), nullptr) << cut;
    // A module with window texts only is refused as well, and the next candidate is tried.
    auto czech = LanguageModule::choose(folder.program(), QStringLiteral("CSY"));
    ASSERT_NE(czech, nullptr);
    EXPECT_TRUE(czech->path().endsWith(QStringLiteral(".CS")));
    EXPECT_EQ(czech->messageText("SConnect"), QStringLiteral("Verbinden"));

    // With nothing usable the built-in Polish texts stay in force.
    ActiveModule none(LanguageModule::choose(folder.program(), QStringLiteral("C20")));
    EXPECT_EQ(LoadMessage(STitle), QStringLiteral("Korvath Diag"));
    EXPECT_EQ(LoadMessage(SConnect), QStringLiteral("Połącz"));
}

TEST(LanguageModuleTest, AnOversizedFileIsRefusedWithoutBeingRead)
{
    ProgramFolder folder;
    folder.addModule(QStringLiteral("lang_english.qm"), QStringLiteral("korvath-diag.ENU"));
    // A real module followed by a hole: the file is sparse, its size far above the limit.
    QFile big(folder.program(QStringLiteral("korvath-diag.ENU")));
    ASSERT_TRUE(big.resize(qint64(1) << 30));
    EXPECT_EQ(LanguageModule::choose(folder.program(), QStringLiteral("ENU")), nullptr);
    ASSERT_TRUE(big.resize(LanguageModule::kMaxFileSize + 1));
    EXPECT_EQ(LanguageModule::choose(folder.program(), QStringLiteral("ENU")), nullptr);
    ASSERT_TRUE(big.resize(LanguageModule::kMaxFileSize));
    EXPECT_NE(LanguageModule::choose(folder.program(), QStringLiteral("ENU")), nullptr);
}

namespace {

QByteArray moduleBytes(const QString &name)
{
    QFile file(kDataDir + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (24 - 8 * i));
}

// Where a section's length field stands (its tag is the byte before).
qsizetype sectionAt(const QByteArray &bytes, char tag)
{
    qsizetype at = 16;
    while (at + 5 <= bytes.size()) {
        if (bytes[at] == tag)
            return at + 1;
        at += 5 + qsizetype(qFromBigEndian<quint32>(bytes.constData() + at + 1));
    }
    return -1;
}

} // namespace

// Files that would make the translation reader read outside them are refused before it sees
// them: every one of these crashed the program (or loaded other files) when taken.
TEST(LanguageModuleTest, AModuleWithLengthsOrOffsetsOutsideTheFileIsRefused)
{
    const QByteArray real = moduleBytes(QStringLiteral("lang_german.qm"));
    const qsizetype hashes = sectionAt(real, 0x42);
    const qsizetype messages = sectionAt(real, 0x69);
    ASSERT_GT(hashes, 0);
    ASSERT_GT(messages, 0);
    LanguageModule intact;
    ASSERT_TRUE(intact.loadData(real));

    QByteArray longTranslation = real; // the first field of the first record is its translation
    ASSERT_EQ(longTranslation[messages + 4], char(3));
    put32(longTranslation, messages + 5, 0x7FFFFFF0);
    QByteArray farOffset = real;
    put32(farOffset, hashes + 4 + 4, 0x00100000);
    QByteArray midRecordOffset = real;
    put32(midRecordOffset, hashes + 4 + 4, 3);
    QByteArray unendedRecord = real;
    unendedRecord[messages + 4 + qFromBigEndian<quint32>(real.constData() + messages) - 1] = char(3);
    QByteArray dependency = real;
    dependency.append(QByteArray("\x96\0\0\0\x0A", 5)).append(QByteArray(10, 'x'));
    QByteArray contextTable = real;
    contextTable.insert(16, QByteArray("\x2F\0\0\0\x02\0\0", 7));

    for (const QByteArray &hostile :
         {longTranslation, farOffset, midRecordOffset, unendedRecord, dependency, contextTable}) {
        LanguageModule module;
        EXPECT_FALSE(module.loadData(hostile));
        EXPECT_TRUE(module.messageText("STitle").isEmpty());
    }
}
