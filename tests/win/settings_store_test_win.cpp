// What the registry alone shows of the settings store. It ends without the key Korvane.
#include <windows.h>

#include "app/settings.h"
#include "app/settings_store.h"
#include "tests/win/win_test.h"

WIN_TEST(SettingsStoreTypesHandEditsAndDeleting) {
    const char kPath[] = "Software\\Velmarin\\Korvane";
    gSettings = Settings();
    saveSettings();
    for (int i = 0; i < kSettingsValueCount; ++i) {
        DWORD type = i < 5 ? RRF_RT_REG_DWORD : RRF_RT_REG_BINARY;  // passes only a value of that type
        CHECK(!RegGetValueA(HKEY_LOCAL_MACHINE, kPath, GetSettingsValueInfo(i).name, type, nullptr, nullptr, nullptr));
    }
    const BYTE seven[4] = {7};  // shorter than its field: passed over; of another type but its size: taken
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kPath, "BgColor", REG_BINARY, seven, 2);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kPath, "TextOption", REG_BINARY, seven, 4);
    loadSettings();
    CHECK(gSettings.BgColor == 0 && gSettings.TextOption == 7);
    deleteSettings();
    deleteSettings();  // harmless with the key gone; Velmarin stays, and can be deleted as it has no subkeys
    CHECK(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Velmarin") == ERROR_SUCCESS);
}
