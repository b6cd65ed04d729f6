#include "gui/mainwindow/Workstation.h"

#include "core/vehicle/VehicleLink.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/report/TFormRaport.h"

#include <QEvent>
#include <QTimer>
#include <QtGlobal>

#include <functional>

// The pictures are compiled into the windows' library; a static library must register them
// (outside any namespace, as Qt's resource registration requires).
static void registerPictures()
{
    Q_INIT_RESOURCE(korvath);
}

namespace {

// Runs then once the window it watches has been painted for the first time, when the event
// loop comes back from painting, and goes.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

Workstation::Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle, Start start)
    : m_platform(platform),
      m_pictures((registerPictures(), true)),
      m_main(std::make_unique<TMainForm>(platform, std::move(vehicle)))
{
    if (start == Start::Whole)
        finishConstruction();
    else
        new AfterFirstPaint(*m_main, [this] { finishConstruction(); });
}

void Workstation::finishConstruction()
{
    if (m_about)
        return;
    m_main->finishConstruction();
    m_about = std::make_unique<TAboutForm>(m_main.get());
    m_setup = std::make_unique<TSetupForm>(m_main->state().Settings, m_main->comPort(), m_platform, m_main.get());
    m_raport = std::make_unique<TFormRaport>(m_main->tabContext(), m_main.get());
    m_wait = std::make_unique<TWaitForm>(m_main.get());
    m_main->attachDialogs(m_about.get(), m_setup.get(), m_raport.get());
    m_raport->setWaitForm(m_wait.get());
}

Workstation::~Workstation()
{
    // The dialogs are children of the main window as well; they go first, in reverse order.
    m_wait.reset();
    m_raport.reset();
    m_setup.reset();
    m_about.reset();
    m_main.reset();
}
