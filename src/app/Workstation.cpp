#include "Workstation.h"

#include "TAboutForm.h"
#include "TMainForm.h"
#include "TSetupForm.h"
#include "TWaitForm.h"
#include "VehicleLink.h"
#include "report/TFormRaport.h"

Workstation::Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle)
    : m_main(std::make_unique<TMainForm>(platform, std::move(vehicle))),
      m_about(std::make_unique<TAboutForm>(m_main.get())),
      m_setup(std::make_unique<TSetupForm>(*m_main, m_main.get())),
      m_raport(std::make_unique<TFormRaport>(m_main.get())),
      m_wait(std::make_unique<TWaitForm>(m_main.get()))
{
    m_main->attachDialogs(m_about.get(), m_setup.get(), m_raport.get());
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
