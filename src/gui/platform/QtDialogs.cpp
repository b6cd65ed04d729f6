#include "gui/platform/QtDialogs.h"

#include "gui/platform/DirectoryDialog.h"

#include <QAbstractButton>
#include <QApplication>
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
    const QString path = dialog.chosenDirectory();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtDialogs::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
