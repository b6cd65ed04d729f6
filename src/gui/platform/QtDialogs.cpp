#include "gui/platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtDialogs::message(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(toQtIcon(icon), QApplication::applicationName(), text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (buttons == MessageButtons::YesNo) {
        box.button(QMessageBox::Yes)->setText(QObject::tr("Tak"));
        box.button(QMessageBox::No)->setText(QObject::tr("Nie"));
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return MessageAnswer::Closed;
    }
}

std::optional<QString> QtDialogs::chooseDirectory(const QString &startDir)
{
    // Qt's own dialog lets the user type a new name; a missing directory is confirmed and created.
    QFileDialog dialog(QApplication::activeWindow(), QString(), startDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty())
            return std::nullopt;
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(chosen.front()));
        if (QDir(path).exists())
            return path;
        const QString question = QObject::tr("Katalog %1 nie istnieje. Czy utworzyć go?").arg(path);
        if (message(question, MessageIcon::Warning, MessageButtons::YesNo) != MessageAnswer::Yes)
            continue;
        if (QDir().mkpath(path))
            return path;
        message(QObject::tr("Nie można utworzyć katalogu %1.").arg(path), MessageIcon::Error, MessageButtons::Ok);
    }
    return std::nullopt;
}

bool QtDialogs::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
