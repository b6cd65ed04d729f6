#include "gui/mainwindow/TWaitForm.h"

#include "gui/widgets/Controls.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

namespace {

// A window that is not on the screen by then will not be soon; the report goes on without it.
constexpr int kMaxMapWaitMs = 1000;

} // namespace

TWaitForm::TWaitForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WaitForm"));
    setWindowTitle(tr("Tworzenie raportu..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint);
    setFixedSize(271, 128);
    move(562, 321);
    for (const auto &[name, text, top] :
         {std::tuple{"Label1", tr("Trwa generowanie raportu."), 24}, std::tuple{"Label2", tr("Czekaj..."), 56}}) {
        auto *label = placed(new QLabel(text, this), name, QRect(7, top, 257, 20));
        label->setAlignment(Qt::AlignCenter);
    }
}

void TWaitForm::showPainted()
{
    show();
    QElapsedTimer waited;
    waited.start();
    // Neither input nor timers run meanwhile: the operator waits, and so do the measurements.
    constexpr auto kWindowEventsOnly = QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers;
    while (!(windowHandle() != nullptr && windowHandle()->isExposed()) && waited.elapsed() < kMaxMapWaitMs)
        QCoreApplication::processEvents(kWindowEventsOnly, 10);
    repaint();
    // Hands the painted pixels to the window system before the program stops answering.
    QCoreApplication::processEvents(kWindowEventsOnly);
}
