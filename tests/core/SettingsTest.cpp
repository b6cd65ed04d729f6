#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/FileSettingsStore.h"
#include "core/settings/SettingsIO.h"

#include "support/core/FakeSettingsStore.h"
#include "support/core/ScriptedDialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

AppSettings defaults()
{
    AppSettings settings;
    settings.LogDirectory = QStringLiteral("/srv/logs");
    return settings;
}

FakeSettingsStore filledStore()
{
    FakeSettingsStore store;
    store.values = {{QStringLiteral("Port"), QStringLiteral("ttyUSB0")},
                    {QStringLiteral("LogDirectory"), QStringLiteral("/var/log/korvath")},
                    {QStringLiteral("Nazwa"), QStringLiteral("Auto-Serwis Żółć")},
                    {QStringLiteral("Adres1"), QStringLiteral("ul. Długa 5")},
                    {QStringLiteral("Adres2"), QStringLiteral("00-950 Warszawa")},
                    {QStringLiteral("Adres3"), QStringLiteral("tel. 22 123 45 67")}};
    return store;
}

} // namespace

TEST(SettingsTest, MissingStoreKeepsDefaultsWithoutAWord)
{
    FakeSettingsStore store;
    store.present = false;
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    LoadSettings(store, dialogs, settings);
    EXPECT_EQ(settings.Port, QStringLiteral("COM1"));
    EXPECT_EQ(settings.LogDirectory, QStringLiteral("/srv/logs"));
    EXPECT_TRUE(settings.Nazwa.isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(SettingsTest, ReadsAllSixValuesAlsoFromAStoreThatCannotBeWritten)
{
    FakeSettingsStore store = filledStore();
    store.writable = false; // an operator without write access keeps the workshop's data
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    LoadSettings(store, dialogs, settings);
    EXPECT_EQ(settings.Port, QStringLiteral("ttyUSB0"));
    EXPECT_EQ(settings.LogDirectory, QStringLiteral("/var/log/korvath"));
    EXPECT_EQ(settings.Nazwa, QStringLiteral("Auto-Serwis Żółć"));
    EXPECT_EQ(settings.Adres3, QStringLiteral("tel. 22 123 45 67"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(SettingsTest, EmptyPortKeepsComOneButMissingValuesReplaceDefaults)
{
    FakeSettingsStore store;
    store.values = {{QStringLiteral("Port"), QString()}, {QStringLiteral("Nazwa"), QStringLiteral("Warsztat")}};
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    LoadSettings(store, dialogs, settings);
    EXPECT_EQ(settings.Port, QStringLiteral("COM1"));
    EXPECT_TRUE(settings.LogDirectory.isEmpty());
    EXPECT_EQ(settings.Nazwa, QStringLiteral("Warsztat"));
}

TEST(SettingsTest, UnreadableStoreReportsAndKeepsDefaults)
{
    FakeSettingsStore store = filledStore();
    store.readable = false;
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    LoadSettings(store, dialogs, settings);
    EXPECT_EQ(dialogs.texts(), QStringList{LoadMessage(SErrLoadSetting)});
    EXPECT_EQ(settings.Port, QStringLiteral("COM1"));
    EXPECT_EQ(settings.LogDirectory, QStringLiteral("/srv/logs"));
}

TEST(SettingsTest, AValueThatIsNotTextEndsReadingKeepingWhatCameBefore)
{
    FakeSettingsStore store = filledStore();
    store.notText = {QStringLiteral("Adres1")};
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    LoadSettings(store, dialogs, settings);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("Adres1")));
    EXPECT_EQ(settings.Nazwa, QStringLiteral("Auto-Serwis Żółć"));
    EXPECT_TRUE(settings.Adres1.isEmpty());
    EXPECT_TRUE(settings.Adres2.isEmpty());
}

TEST(SettingsTest, WritesTheSixValuesInOrder)
{
    FakeSettingsStore store;
    store.present = false;
    ScriptedDialogs dialogs;
    AppSettings settings = defaults();
    settings.Port = QStringLiteral("ttyS1");
    settings.Nazwa = QStringLiteral("Warsztat");
    SaveSettings(store, dialogs, settings);
    EXPECT_EQ(store.written,
              (QStringList{QStringLiteral("Port"), QStringLiteral("LogDirectory"), QStringLiteral("Nazwa"),
                           QStringLiteral("Adres1"), QStringLiteral("Adres2"), QStringLiteral("Adres3")}));
    EXPECT_EQ(store.values.value(QStringLiteral("Port")), QStringLiteral("ttyS1"));
    EXPECT_EQ(store.commits, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(SettingsTest, StoreThatCannotBeWrittenReportsIt)
{
    FakeSettingsStore store = filledStore();
    store.writable = false;
    ScriptedDialogs dialogs;
    SaveSettings(store, dialogs, defaults());
    EXPECT_EQ(dialogs.texts(), QStringList{LoadMessage(SErrSaveSettings)});
    EXPECT_TRUE(store.written.isEmpty());
}

TEST(SettingsTest, RoundTripsTextsAndRejectsOtherValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ulmora.conf"));
    {
        FileSettingsStore store(path);
        EXPECT_FALSE(store.exists());
        ScriptedDialogs dialogs;
        AppSettings settings = defaults();
        settings.Nazwa = QStringLiteral("Zakład \"Łęcki\", Kraków");
        SaveSettings(store, dialogs, settings);
        EXPECT_TRUE(dialogs.shown.empty());
    }
    {
        FileSettingsStore store(path);
        EXPECT_TRUE(store.exists());
        EXPECT_TRUE(store.isReadable());
        ScriptedDialogs dialogs;
        AppSettings settings;
        LoadSettings(store, dialogs, settings);
        EXPECT_EQ(settings.Nazwa, QStringLiteral("Zakład \"Łęcki\", Kraków"));
        EXPECT_EQ(settings.LogDirectory, QStringLiteral("/srv/logs"));
    }
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Adres2"), QByteArray("\x01\x02", 2));
    }
    FileSettingsStore store(path);
    EXPECT_THROW(store.readString(QStringLiteral("Adres2")), SettingsError);
    EXPECT_EQ(store.readString(QStringLiteral("Missing")), QString());
}

TEST(SettingsTest, AFileSavedInAGroupWritableFolderStaysWritableForTheGroup)
{
    const mode_t oldMask = ::umask(022); // a user's usual mask: new files are not group-writable
    for (const bool groupFolder : {true, false}) {
        QTemporaryDir dir;
        QFileDevice::Permissions folder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
        if (groupFolder)
            folder |= QFileDevice::WriteGroup;
        ASSERT_TRUE(QFile::setPermissions(dir.path(), folder));
        const QString path = dir.filePath(QStringLiteral("Ulmora.conf"));
        for (int save = 0; save < 2; ++save) { // creating the file, then replacing it
            FileSettingsStore store(path);
            ScriptedDialogs dialogs;
            SaveSettings(store, dialogs, defaults());
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(bool(QFileInfo(path).permissions() & QFileDevice::WriteGroup), groupFolder) << save;
        }
    }
    ::umask(oldMask);
}

TEST(SettingsTest, AStoreThatIsNoFileCannotBeRead)
{
    QTemporaryDir dir;
    FileSettingsStore store(dir.path()); // a directory stands where the file should be
    EXPECT_TRUE(store.exists());
    EXPECT_FALSE(store.isReadable());
}
