#pragma once

class AdapterFactory;
class Clock;
class GuiDialogs;
class LocaleFacts;
class LogFiles;
class SerialPorts;
class SettingsStore;
class Tones;

// The services of the operating system that the workstation uses, gathered in one place
// so that the program passes the real ones and the tests pass their doubles.
struct Platform {
    Clock &clock; // also the message pump of the long operations
    Tones &tones;
    GuiDialogs &dialogs;
    SettingsStore &settings;
    LocaleFacts &locale;
    SerialPorts &ports;
    LogFiles &logFiles;
    AdapterFactory &adapters;
};
