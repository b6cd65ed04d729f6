#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <memory>

// A language module: a Qt translation file beside the program that replaces the message texts
// (looked up in the context "MessageCatalogue" under their names) and the window texts
// (looked up under their Polish source texts).
class LanguageModule {
public:
    // The module file for a program file and an extension: the program file's extension is
    // replaced, and a program file without one gets "." and the extension appended.
    static QString modulePath(const QString &programPath, const QString &extension);

    // Chooses the module once at start: the three-letter abbreviation first, then its first two
    // letters. Returns nullptr when neither file loads; the program then uses its own texts.
    static std::unique_ptr<LanguageModule> choose(const QString &programPath, const QString &abbreviation);

    // The largest module file that is read at all; real modules are a few tens of kB.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // Loads the module file; false when it is missing, unreadable, larger than kMaxFileSize, not
    // a well-formed translation file (isWellFormedModule), or one that translates none of the
    // catalogue's messages (a cut or foreign file would otherwise blank every text).
    bool load(const QString &path);
    // The same for a module already in memory.
    bool loadData(QByteArray data);

    QString path() const { return m_path; }
    QTranslator &translator() { return *m_translator; }
    // The language the module is written in ("en_US"), as its file states it.
    QString language() const { return m_translator->language(); }

    // The module's text of a message, empty when the module lacks it.
    QString messageText(const char *name) const;

    // The resource source of the running program; nullptr means the built-in texts.
    static const LanguageModule *active();
    // Makes module the resource source and hands its window texts to Qt's translation.
    // Passing nullptr returns to the built-in texts.
    static void activate(LanguageModule *module);

private:
    QString m_path;
    QByteArray m_data; // the translator reads from this buffer
    std::unique_ptr<QTranslator> m_translator = std::make_unique<QTranslator>();
};
