#pragma once

#include <memory>

class TAboutForm;
class TFormRaport;
class TMainForm;
class TSetupForm;
class TWaitForm;
class VehicleLink;
struct Platform;

// The five windows of the program, created in their start-up order and alive until it ends:
// the main window, the About box, the configuration dialog, the report dialog and the notice
// shown while a report is assembled.
class Workstation {
public:
    explicit Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle = nullptr);
    ~Workstation();

    TMainForm &mainForm() { return *m_main; }
    TAboutForm &aboutForm() { return *m_about; }
    TSetupForm &setupForm() { return *m_setup; }
    TFormRaport &raportForm() { return *m_raport; }
    TWaitForm &waitForm() { return *m_wait; }

private:
    bool m_pictures; // registered before the first window is made
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<TAboutForm> m_about;
    std::unique_ptr<TSetupForm> m_setup;
    std::unique_ptr<TFormRaport> m_raport;
    std::unique_ptr<TWaitForm> m_wait;
};
