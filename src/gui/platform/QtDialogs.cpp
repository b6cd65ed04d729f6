#include "gui/platform/QtDialogs.h"

#include "gui/platform/DirectoryDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

std::optional<QString> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

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
        // A confirmation asks before something is lost: Enter (and Esc) answer No.
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
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
    DirectoryDialog dialog(QApplication::activeWindow(), startDir,
                           [this](const QString &text, MessageIcon icon, MessageButtons buttons) {
                               return message(text, icon, buttons);
                           });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen(dialog.chosenDirectory());
}

bool QtDialogs::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogs::chooseFileToOpen(const QString &title, const QString &directory,
                                                   const QString &filter)
{
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter));
}

std::optional<QString> QtDialogs::chooseFileToSave(const QString &title, const QString &suggested,
                                                   const QString &filter)
{
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter));
}
