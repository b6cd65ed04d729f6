#pragma once

#include <thread>

// Work the main window's first paint waits for, done on a second processor core while the main
// thread connects to the display and builds the window. Before the application object exists:
// reading the font configuration, which the first text drawn needs. Once it exists: loading the
// image format plugins, through which the menu bar reads its extension button's icon, and filling
// the font database. None of it changes what is shown; it only comes sooner. Whatever the main
// thread needs before the background has it, it gets as it would without this: by doing the work
// itself or by waiting for the background to finish it.
class StartWarmUp {
public:
    // Starts the work that needs no application object; made before it.
    StartWarmUp();
    ~StartWarmUp();
    StartWarmUp(const StartWarmUp &) = delete;
    StartWarmUp &operator=(const StartWarmUp &) = delete;

    // Called once the application object exists: waits for the first part, so that nothing of it
    // outlives the application, and starts the rest in the application's thread pool, which the
    // application waits for when it ends.
    void applicationReady();

private:
    std::thread m_before;
};
