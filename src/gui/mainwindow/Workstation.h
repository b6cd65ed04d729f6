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
    // Whole builds every window at once. PaintFirst builds only what the main window's first
    // paint shows and the rest right after that paint, so that the program appears sooner;
    // whatever asks for a part not yet built has it built at once.
    enum class Start { Whole, PaintFirst };

    explicit Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle = nullptr,
                         Start start = Start::Whole);
    ~Workstation();

    // Builds what PaintFirst left for later; calling it again does nothing.
    void finishConstruction();

    TMainForm &mainForm() { return *m_main; }
    TAboutForm &aboutForm() { return (finishConstruction(), *m_about); }
    TSetupForm &setupForm() { return (finishConstruction(), *m_setup); }
    TFormRaport &raportForm() { return (finishConstruction(), *m_raport); }
    TWaitForm &waitForm() { return (finishConstruction(), *m_wait); }

private:
    Platform &m_platform;
    bool m_pictures; // registered before the first window is made
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<TAboutForm> m_about;
    std::unique_ptr<TSetupForm> m_setup;
    std::unique_ptr<TFormRaport> m_raport;
    std::unique_ptr<TWaitForm> m_wait;
};
