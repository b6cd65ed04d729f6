#include "core/platform/IniValues.h"
#include "core/platform/FileSettingsStore.h"
#include "core/settings/SettingsIO.h"

#include "support/core/ScriptedDialogs.h"

#include <QBuffer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

std::optional<IniValue> find(const QByteArray &file, const QString &key)
{
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::optional<IniValue> read = findIniValue(buffer, key);
    // Read line by line or searched in memory, a file gives the same value.
    const std::optional<IniValue> searched = findIniValue(QByteArrayView(file), key);
    EXPECT_EQ(read.has_value(), searched.has_value());
    if (read && searched) {
        EXPECT_EQ(read->text, searched->text);
    }
    return read;
}

QString text(const QByteArray &file, const QString &key)
{
    const std::optional<IniValue> value = find(file, key);
    return value && value->kind == IniValue::Kind::Text ? value->text : QStringLiteral("<none>");
}

} // namespace

TEST(IniValuesTest, AHandEditedValueReadsAsItStands)
{
    const QByteArray file = "[General]\n"
                            "LogDirectory=/data/logs,x\n"
                            "Nazwa = Auto , Serwis  \r\n"
                            "Adres1=\"ul. Długa 5, lok. 2\"  ; the door on the left\n"
                            "Adres2=a\\,b \\\"c\\\"\n";
    EXPECT_EQ(text(file, QStringLiteral("LogDirectory")), QStringLiteral("/data/logs,x"));
    EXPECT_EQ(text(file, QStringLiteral("Nazwa")), QStringLiteral("Auto , Serwis"));
    EXPECT_EQ(text(file, QStringLiteral("Adres1")), QStringLiteral("ul. Długa 5, lok. 2"));
    EXPECT_EQ(text(file, QStringLiteral("Adres2")), QStringLiteral("a,b \"c\""));
}

TEST(IniValuesTest, OnlyTheGeneralSectionCountsAndTheLastLineWins)
{
    const QByteArray file = "Port=ttyS0\n"
                            "; Port=commented\n"
                            "[Other]\n"
                            "Port=ttyS9\n"
                            "Nazwa=elsewhere\n"
                            "[General]\n"
                            "Port=ttyUSB1\n"
                            "no equals sign here\n"
                            "Portable=x\n";
    EXPECT_EQ(text(file, QStringLiteral("Port")), QStringLiteral("ttyUSB1"));
    EXPECT_FALSE(find(file, QStringLiteral("Nazwa")).has_value());
    EXPECT_FALSE(find(file, QStringLiteral("Adres3")).has_value());
    EXPECT_FALSE(find(QByteArray(), QStringLiteral("Port")).has_value());
}

TEST(IniValuesTest, TypedValuesOtherThanTextAreNotText)
{
    EXPECT_EQ(decodeIniValue("@ByteArray(\\x1\\x2)").kind, IniValue::Kind::NotText);
    EXPECT_EQ(decodeIniValue("@Variant(\\0\\0\\0\\x7f)").kind, IniValue::Kind::NotText);
    EXPECT_EQ(decodeIniValue("@@at").text, QStringLiteral("@at"));
    EXPECT_EQ(decodeIniValue("@String(a,b)").text, QStringLiteral("a,b"));
    EXPECT_EQ(decodeIniValue("@Invalid()").text, QString());
    EXPECT_EQ(decodeIniValue("@home").text, QStringLiteral("@home"));
}

// Whatever QSettings writes, the store reads back unchanged.
TEST(IniValuesTest, TextsWrittenByQSettingsReadBackUnchanged)
{
    const QStringList texts = {
        QStringLiteral("Zakład \"Łęcki\", Kraków"),
        QStringLiteral("  lead and trail  "),
        QStringLiteral("a;b=c\\d"),
        QStringLiteral("line\r\nnext\ttab"),
        QStringLiteral("@at"),
        QStringLiteral("a,b,c"),
        QString(QChar(1)) + QStringLiteral("1f€"),
        QString(),
        QStringLiteral("C:\\Logi\\Korvath"),
        QStringLiteral("\"quoted\""),
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ulmora.conf"));
    {
        QSettings writer(path, QSettings::IniFormat);
        for (qsizetype i = 0; i < texts.size(); ++i)
            writer.setValue(QStringLiteral("Value%1").arg(i), texts[i]);
    }
    FileSettingsStore store(path);
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(store.readString(QStringLiteral("Value%1").arg(i)), texts[i]) << i;
}

// A value far longer than any setting is refused as a damaged file's, not kept for the session.
TEST(IniValuesTest, AnOverlongValueIsRefusedAndReadingStopsThere)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ulmora.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nPort=ttyUSB0\nLogDirectory=/srv/logs\nNazwa=" + QByteArray(kMaxIniValueBytes + 1, 'x')
               + "\nAdres1=" + QByteArray(kMaxIniValueBytes, 'y') + "\n");
    file.close();

    FileSettingsStore store(path);
    EXPECT_EQ(store.readString(QStringLiteral("Adres1")).size(), kMaxIniValueBytes);
    ScriptedDialogs dialogs;
    AppSettings settings;
    LoadSettings(store, dialogs, settings);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Wartość 'Nazwa' jest za długa")});
    EXPECT_EQ(settings.Port, QStringLiteral("ttyUSB0"));
    EXPECT_EQ(settings.LogDirectory, QStringLiteral("/srv/logs"));
    EXPECT_EQ(settings.Nazwa, QString());
    EXPECT_EQ(settings.Adres1, QString()); // not read after the refused value
}
