#pragma once

class Clock;
class GuiDialogs;
class LocaleFacts;
class SettingsStore;
class Tones;

// The services of the operating system that the workstation uses, gathered in one place
// so that the program passes the real ones and the tests pass their doubles.
struct Platform {
    Clock &clock;
    Tones &tones;
    GuiDialogs &dialogs;
    SettingsStore &settings;
    LocaleFacts &locale;
};
