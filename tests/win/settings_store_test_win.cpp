// The settings store against the real registry. Every test starts and ends without the key
// Korvane, so the tests that run after these find the first-start state.
#include <windows.h>

#include <cstring>
#include <vector>

#include "app/settings.h"
#include "app/settings_store.h"
#include "tests/win/win_test.h"

namespace {

const char kKorvanePath[] = "Software\\Velmarin\\Korvane";

int KeyExists(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    RegCloseKey(key);
    return 1;
}

// Writes one value by hand, as a user with a registry editor would.
void WriteRaw(const char* name, DWORD type, const void* bytes, DWORD size) {
    HKEY key;
    CHECK(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKorvanePath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                          &key, nullptr) == ERROR_SUCCESS);
    CHECK(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), size) == ERROR_SUCCESS);
    RegCloseKey(key);
}

void StartClean() {
    deleteSettings();
    gSettings = Settings();
}

// The record as it would be stored, value after value.
std::vector<uint8_t> StoredForm(const Settings& s) {
    std::vector<uint8_t> all;
    for (int i = 0; i < kSettingsValueCount; ++i) {
        uint8_t bytes[kLargestSettingsValueBytes];
        EncodeSettingsValue(s, i, bytes);
        all.insert(all.end(), bytes, bytes + GetSettingsValueInfo(i).byteCount);
    }
    return all;
}

}  // namespace

WIN_TEST(SettingsStoreRoundTrip) {
    StartClean();
    CHECK(!KeyExists(kKorvanePath));
    loadSettings();  // no key: every default
    CHECK(StoredForm(gSettings) == StoredForm(Settings()));

    Settings written;
    written.ViewData = written.ImageOption = written.TextOption = written.BgColor = written.Notation = 1;
    written.windowInfo = {-200, 30, 500, 640};
    written.colorGrid = {4, 3, 5, 20, 18, 24, 0};
    gSettings = written;
    saveSettings();
    for (int i = 0; i < kSettingsValueCount; ++i) {
        const SettingsValueInfo& info = GetSettingsValueInfo(i);
        HKEY key;
        BYTE bytes[64];
        DWORD type = 0;
        DWORD size = sizeof bytes;
        CHECK(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKorvanePath, 0, KEY_READ, &key) == ERROR_SUCCESS);
        CHECK(RegQueryValueExA(key, info.name, nullptr, &type, bytes, &size) == ERROR_SUCCESS);
        RegCloseKey(key);
        CHECK(type == (i < 5 ? static_cast<DWORD>(REG_DWORD) : static_cast<DWORD>(REG_BINARY)));
        BYTE expected[kLargestSettingsValueBytes];
        EncodeSettingsValue(written, i, expected);
        CHECK(size == info.byteCount && std::memcmp(bytes, expected, size) == 0);
    }
    gSettings = Settings();
    loadSettings();
    CHECK(StoredForm(gSettings) == StoredForm(written));

    // Delete removes Korvane and keeps Velmarin; again, with the key gone, is harmless.
    deleteSettings();
    CHECK(!KeyExists(kKorvanePath));
    CHECK(KeyExists("Software\\Velmarin"));
    deleteSettings();
    CHECK(KeyExists("Software\\Velmarin"));
    StartClean();
}

WIN_TEST(SettingsHandEditedValuesAreCheckedOnLoad) {
    StartClean();
    // columns 0 would divide by zero in the grid: the whole table falls back.
    const int32_t grid[7] = {5, 2, 3, 20, 20, 0, 10};
    WriteRaw("DrawColorTable", REG_BINARY, grid, sizeof grid);
    // Half a rectangle leaves the default one.
    const BYTE halfRect[8] = {100, 0, 0, 0, 100, 0, 0, 0};
    WriteRaw("WindowInfo", REG_BINARY, halfRect, sizeof halfRect);
    // An option longer or shorter than a DWORD is ignored; one of another type but the right
    // size is used.
    const BYTE longOption[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    WriteRaw("ViewData", REG_BINARY, longOption, sizeof longOption);
    const BYTE binaryOption[4] = {5, 0, 0, 0};
    WriteRaw("Notation", REG_BINARY, binaryOption, sizeof binaryOption);
    const BYTE shortOption[2] = {1, 0};
    WriteRaw("BgColor", REG_BINARY, shortOption, sizeof shortOption);

    gSettings.colorGrid.columns = 7;  // proves the fallback writes the defaults, not leaves the field
    loadSettings();
    Settings expected;
    expected.Notation = 5;
    CHECK(StoredForm(gSettings) == StoredForm(expected));
    StartClean();
}
