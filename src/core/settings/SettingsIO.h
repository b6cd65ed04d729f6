#pragma once

#include "core/settings/AppSettings.h"

class Dialogs;
class SettingsStore;

// Reads the stored settings into settings at start. A missing store keeps the defaults
// silently; one that cannot be read keeps them with SErrLoadSetting; a value that is not a
// text ends the reading with the store's own error text, keeping the values read before it.
void LoadSettings(const SettingsStore &store, Dialogs &dialogs, AppSettings &settings);

// Stores the six values. A store that cannot be written reports SErrSaveSettings, an error
// while writing its own text; the values stay in force for the run either way.
void SaveSettings(SettingsStore &store, Dialogs &dialogs, const AppSettings &settings);

// The process's working directory in native form, cut to kMaxPathLength characters.
QString DefaultLogDirectory();
