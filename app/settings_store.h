// Loading, saving and deleting the settings in the registry key
// HKEY_LOCAL_MACHINE\Software\Velmarin\Korvane. Every failure is silent.
#pragma once

// Reads the stored values over the record's defaults; a missing key leaves all defaults.
void loadSettings();
// Writes all seven values, creating the key as needed.
void saveSettings();
// Deletes the key Korvane; Velmarin stays.
void deleteSettings();

#ifdef _WIN32
struct HWND__;
typedef HWND__* HWND;

// The delete-settings command: asks first, then deletes and stops the save at exit.
void RunDeleteSettingsCommand(HWND owner);
#endif
