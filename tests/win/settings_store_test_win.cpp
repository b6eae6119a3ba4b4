// The settings store against the real registry. Every test starts and ends without the key
// Korvane, so the tests that run after these find the first-start state.
#include <windows.h>

#include <cstring>

#include "app/settings.h"
#include "app/settings_store.h"
#include "tests/win/win_test.h"

namespace {

const char kVelmarinPath[] = "Software\\Velmarin";
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
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKorvanePath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        CHECK(!"cannot create the key");
        return;
    }
    CHECK(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), size) == ERROR_SUCCESS);
    RegCloseKey(key);
}

// Reads one value with its type and size; 0 when it is missing.
int ReadRaw(const char* name, DWORD* type, BYTE* bytes, DWORD* size) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKorvanePath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    LONG result = RegQueryValueExA(key, name, nullptr, type, bytes, size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void StartClean() {
    deleteSettings();
    gSettings = Settings();
    gSettingsDeleted = 0;
}

// Compares two records value by value, as they would be stored.
int SameValues(const Settings& s, const Settings& t) {
    uint8_t a[kLargestSettingsValueBytes];
    uint8_t b[kLargestSettingsValueBytes];
    for (int i = 0; i < kSettingsValueCount; ++i) {
        EncodeSettingsValue(s, i, a);
        EncodeSettingsValue(t, i, b);
        if (std::memcmp(a, b, GetSettingsValueInfo(i).byteCount) != 0) {
            return 0;
        }
    }
    return 1;
}

Settings NonDefaultSettings() {
    Settings s;
    s.ViewData = 1;
    s.ImageOption = 1;
    s.TextOption = 1;
    s.BgColor = 1;
    s.Notation = 1;
    s.windowInfo = {-200, 30, 500, 640};
    s.colorGrid = {4, 3, 5, 20, 18, 24, 0};
    return s;
}

// Answers the confirmation once the box runs its own loop, after noting whether it is the
// expected one.
WPARAM gReply = IDNO;
int gSeen = 0;

void CALLBACK AnswerBox(HWND box, UINT, UINT_PTR id, DWORD) {
    KillTimer(box, id);
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    char caption[32] = {};
    GetWindowTextA(box, caption, sizeof caption);
    gSeen = std::strcmp(text, "ﾚｼﾞｽﾄﾘを削除してもよろしいですか？") == 0 && std::strcmp(caption, "Korvane") == 0 &&
            GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
    PostMessageA(box, WM_COMMAND, gReply, 0);
}

LRESULT CALLBACK AnswerHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            SetTimer(box, 1, 10, AnswerBox);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

WIN_TEST(SettingsLoadWithoutKeyKeepsDefaults) {
    StartClean();
    CHECK(!KeyExists(kKorvanePath));
    loadSettings();
    CHECK(SameValues(gSettings, Settings()));
    StartClean();
}

WIN_TEST(SettingsSaveWritesSevenValuesWithTypesAndSizes) {
    StartClean();
    gSettings = NonDefaultSettings();
    saveSettings();
    CHECK(KeyExists(kKorvanePath));
    for (int i = 0; i < kSettingsValueCount; ++i) {
        const SettingsValueInfo& info = GetSettingsValueInfo(i);
        BYTE bytes[64];
        DWORD type = 0;
        DWORD size = sizeof bytes;
        CHECK(ReadRaw(info.name, &type, bytes, &size));
        CHECK(type == (i < 5 ? static_cast<DWORD>(REG_DWORD) : static_cast<DWORD>(REG_BINARY)));
        BYTE expected[kLargestSettingsValueBytes];
        EncodeSettingsValue(gSettings, i, expected);
        CHECK(size == info.byteCount && std::memcmp(bytes, expected, size) == 0);
    }

    gSettings = Settings();
    loadSettings();
    CHECK(SameValues(gSettings, NonDefaultSettings()));
    StartClean();
}

WIN_TEST(SettingsDeleteRemovesKorvaneAndKeepsVelmarin) {
    StartClean();
    saveSettings();
    CHECK(KeyExists(kKorvanePath));
    deleteSettings();
    CHECK(!KeyExists(kKorvanePath));
    CHECK(KeyExists(kVelmarinPath));
    // Deleting again, with the key already gone, is harmless.
    deleteSettings();
    CHECK(KeyExists(kVelmarinPath));
    StartClean();
}

WIN_TEST(SettingsHandEditedValuesAreCheckedOnLoad) {
    StartClean();
    // columns 0 would divide by zero in the grid: the whole table falls back.
    const BYTE grid[kDrawColorTableBytes] = {5, 0, 0,  0, 2, 0, 0, 0, 3, 0, 0,  0, 20, 0,
                                             0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0,  0};
    WriteRaw("DrawColorTable", REG_BINARY, grid, sizeof grid);
    // Half a rectangle leaves the default one.
    const BYTE halfRect[8] = {100, 0, 0, 0, 100, 0, 0, 0};
    WriteRaw("WindowInfo", REG_BINARY, halfRect, sizeof halfRect);
    // An option longer than a DWORD is ignored; one of another type but the right size is used.
    const BYTE longOption[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    WriteRaw("ViewData", REG_BINARY, longOption, sizeof longOption);
    const BYTE binaryOption[4] = {5, 0, 0, 0};
    WriteRaw("Notation", REG_BINARY, binaryOption, sizeof binaryOption);
    const BYTE shortOption[2] = {1, 0};
    WriteRaw("BgColor", REG_BINARY, shortOption, sizeof shortOption);

    gSettings.colorGrid.columns = 7;  // proves the fallback writes the defaults, not leaves the field
    loadSettings();
    ColorGridSettings defaults;
    CHECK(gSettings.colorGrid.columns == defaults.columns && gSettings.colorGrid.margin == defaults.margin &&
          gSettings.colorGrid.entryWidth == defaults.entryWidth);
    CHECK(gSettings.windowInfo.left == 50 && gSettings.windowInfo.top == 50 && gSettings.windowInfo.right == 380 &&
          gSettings.windowInfo.bottom == 350);
    CHECK(gSettings.ViewData == 0);
    CHECK(gSettings.Notation == 5);
    CHECK(gSettings.BgColor == 0);
    StartClean();
}

WIN_TEST(SettingsDeleteCommandAsksFirst) {
    StartClean();
    // The box needs a display; without one there is nothing to answer.
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) {
        std::printf("  skipped: no display\n");
        return;
    }
    DestroyWindow(probe);
    saveSettings();
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerHook, nullptr, GetCurrentThreadId());
    gReply = IDNO;
    gSeen = 0;
    RunDeleteSettingsCommand(nullptr);
    CHECK(gSeen);
    CHECK(KeyExists(kKorvanePath) && gSettingsDeleted == 0);
    gReply = IDYES;
    gSeen = 0;
    RunDeleteSettingsCommand(nullptr);
    CHECK(gSeen);
    CHECK(!KeyExists(kKorvanePath) && gSettingsDeleted == 1);
    UnhookWindowsHookEx(hook);
    StartClean();
}
