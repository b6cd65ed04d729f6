#include "core/catalogue/ToolkitTranslation.h"
#include "gui/platform/QtDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Drives the real directory dialog the way an operator does: types a name into its file-name
// edit and presses Enter; the message boxes that follow are answered from a script.
class DirectoryDialogTest : public ::testing::Test {
protected:
    void SetUp() override { installToolkitTranslation(nullptr); }
    void TearDown() override { installToolkitTranslation(nullptr, QString()); }

    std::optional<QString> choose(const QString &typed)
    {
        QTimer::singleShot(0, [this, typed] { typeInto(typed); });
        return dialogs.chooseDirectory(root.path());
    }

    void typeInto(const QString &typed)
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (auto *lookIn = dialog->findChild<QLabel *>(QStringLiteral("lookInLabel")))
            lookInText = lookIn->text();
        title = dialog->windowTitle();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, typed);
        QTimer::singleShot(0, [this] { answerNext(); });
        QTest::keyClick(edit, Qt::Key_Return);
        // After a "No" the dialog is still open; Escape leaves it.
        if (QApplication::activeModalWidget() == dialog)
            QTest::keyClick(dialog, Qt::Key_Escape);
    }

    void answerNext()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        boxTexts << box->text();
        const bool yesNo = box->button(QMessageBox::Yes) != nullptr;
        if (yesNo) {
            const bool yes = answers.empty() || answers.front();
            if (!answers.empty())
                answers.erase(answers.begin());
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            QTimer::singleShot(0, [this] { answerNext(); }); // a failure box may follow
        } else {
            box->button(QMessageBox::Ok)->click();
        }
    }

    QTemporaryDir root;
    QtDialogs dialogs;
    std::vector<bool> answers; // Yes unless told otherwise
    QStringList boxTexts;
    QString lookInText;
    QString title;
};

} // namespace

TEST_F(DirectoryDialogTest, ATypedNewNameIsConfirmedCreatedAndChosen)
{
    const QString wanted = root.filePath(QStringLiteral("logi/2024"));
    const std::optional<QString> chosen = choose(QStringLiteral("logi/2024"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir::toNativeSeparators(wanted));
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    ASSERT_EQ(boxTexts.size(), 1);
    EXPECT_TRUE(boxTexts[0].contains(QStringLiteral("nie istnieje")));
    // Qt's own texts of the dialog are Polish.
    EXPECT_EQ(lookInText, QStringLiteral("Szukaj w:"));
    EXPECT_EQ(title, QStringLiteral("Znajdź katalog"));
}

TEST_F(DirectoryDialogTest, AnExistingDirectoryIsChosenWithoutAQuestion)
{
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("stare")));
    const std::optional<QString> chosen = choose(QStringLiteral("stare"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir::toNativeSeparators(root.filePath(QStringLiteral("stare"))));
    EXPECT_TRUE(boxTexts.isEmpty());
}

TEST_F(DirectoryDialogTest, NoLeavesTheDialogOpenAndCreatesNothing)
{
    answers = {false};
    const std::optional<QString> chosen = choose(QStringLiteral("nowy"));
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(boxTexts.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("nowy"))));
}

TEST_F(DirectoryDialogTest, ADirectoryThatCannotBeMadeIsReportedAndNothingChosen)
{
    QFile blocker(root.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::optional<QString> chosen = choose(QStringLiteral("plik/logi"));
    EXPECT_FALSE(chosen.has_value());
    ASSERT_EQ(boxTexts.size(), 2);
    EXPECT_TRUE(boxTexts[1].contains(QStringLiteral("Nie można utworzyć katalogu")));
}

TEST_F(DirectoryDialogTest, EnterInAConfirmationAnswersNo)
{
    // The question before the fault memory is cleared: Enter must never say Yes.
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.message(QStringLiteral("Skasować?"), MessageIcon::Warning, MessageButtons::YesNo),
              MessageAnswer::No);
}
