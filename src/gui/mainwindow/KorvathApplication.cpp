#include "gui/mainwindow/KorvathApplication.h"

#include <QFont>
#include <QMessageBox>

#include <exception>

KorvathApplication::KorvathApplication(int &argc, char **argv) : QApplication(argc, argv)
{
}

bool KorvathApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        QMessageBox::critical(activeWindow(), applicationName(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), applicationName(), tr("Nieznany błąd programu."));
    }
    return false;
}

void KorvathApplication::useLayoutFonts()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    QApplication::setFont(font);
}
