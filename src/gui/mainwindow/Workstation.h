#pragma once

#include "gui/mainwindow/TMainForm.h"

#include <memory>

class TAboutForm;
class TFormRaport;
class TSetupForm;
class TWaitForm;
class VehicleLink;
struct Platform;

// The program's windows: the main window, which builds its other tabs and its dialogs (the About
// box, the configuration dialog, the report dialog and the notice shown while a report is
// assembled) when they are first asked for. All of them live until the program ends.
class Workstation {
public:
    // Whole builds every window at once. PaintFirst builds only what the main window's first
    // paint shows and the rest right after that paint, so that the program appears sooner.
    enum class Start { Whole, PaintFirst };

    explicit Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle = nullptr,
                         Start start = Start::Whole);
    ~Workstation();

    TMainForm &mainForm() { return *m_main; }
    // A window asked for from outside the program has the program built whole first.
    TAboutForm &aboutForm() { return whole(&TMainForm::aboutForm); }
    TSetupForm &setupForm() { return whole(&TMainForm::setupForm); }
    TFormRaport &raportForm() { return whole(&TMainForm::raportForm); }
    TWaitForm &waitForm() { return whole(&TMainForm::waitForm); }

private:
    template <class Window>
    Window &whole(Window &(TMainForm::*window)())
    {
        m_main->buildAllParts();
        return (*m_main.*window)();
    }

    bool m_pictures; // registered before the first window is made
    std::unique_ptr<TMainForm> m_main;
};
