#include "gui/mainwindow/Workstation.h"

#include "core/vehicle/VehicleLink.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/report/TFormRaport.h"

#include <QtGlobal>

// The pictures are compiled into the windows' library; a static library must register them
// (outside any namespace, as Qt's resource registration requires).
static void registerPictures()
{
    Q_INIT_RESOURCE(korvath);
}

Workstation::Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle)
    : m_pictures((registerPictures(), true)),
      m_main(std::make_unique<TMainForm>(platform, std::move(vehicle))),
      m_about(std::make_unique<TAboutForm>(m_main.get())),
      m_setup(std::make_unique<TSetupForm>(m_main->state().Settings, m_main->comPort(), platform, m_main.get())),
      m_raport(std::make_unique<TFormRaport>(m_main->tabContext(), m_main.get())),
      m_wait(std::make_unique<TWaitForm>(m_main.get()))
{
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
