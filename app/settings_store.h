// Loading, saving and deleting the settings in the registry key
// HKEY_LOCAL_MACHINE\Software\Velmarin\Korvane. Every failure is silent.
#pragma once

struct Settings;

// Reads the stored values over the record's defaults; a missing key leaves all defaults.
void LoadSettings(Settings& settings);
// Writes every value, creating the key as needed.
void SaveSettings(const Settings& settings);
// Deletes the key Korvane; Velmarin stays.
void DeleteSettings();
