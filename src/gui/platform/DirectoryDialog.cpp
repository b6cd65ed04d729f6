#include "gui/platform/DirectoryDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

DirectoryDialog::DirectoryDialog(QWidget *parent, const QString &startDir, Ask ask)
    : QFileDialog(parent, QString(), startDir), m_ask(std::move(ask))
{
    setFileMode(QFileDialog::Directory);
    setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    // Qt disables its accept button while the typed name is no existing directory; here a
    // typed name is a valid answer.
    if (auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        connect(edit, &QLineEdit::textChanged, this, &DirectoryDialog::allowTypedName);
}

void DirectoryDialog::allowTypedName()
{
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    if (edit == nullptr || buttons == nullptr || edit->text().trimmed().isEmpty())
        return;
    if (QPushButton *choose = buttons->button(QDialogButtonBox::Open))
        choose->setEnabled(true);
}

QString DirectoryDialog::pointedAt() const
{
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const QString typed = edit != nullptr ? edit->text().trimmed() : QString();
    if (!typed.isEmpty())
        return directory().absoluteFilePath(QDir::fromNativeSeparators(typed));
    const QStringList selected = selectedFiles();
    return selected.isEmpty() ? QString() : selected.front();
}

void DirectoryDialog::accept()
{
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (edit != nullptr && edit->text().trimmed() == QLatin1String("..")) {
        QFileDialog::accept(); // goes up one directory
        return;
    }
    const QString path = QDir::cleanPath(pointedAt());
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isDir()) {
        const QString question = tr("Katalog %1 nie istnieje. Czy utworzyć go?").arg(shown);
        if (m_ask(question, MessageIcon::Warning, MessageButtons::YesNo) != MessageAnswer::Yes)
            return; // the operator may correct the name
        if (!QDir().mkpath(path)) {
            m_ask(tr("Nie można utworzyć katalogu %1.").arg(shown), MessageIcon::Error, MessageButtons::Ok);
            reject();
            return;
        }
    }
    m_chosen = shown;
    QDialog::accept();
}
