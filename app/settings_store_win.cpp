#include "app/settings_store.h"

#include <windows.h>

#include "app/settings.h"

namespace {

const char* const kKeyPath[] = {"Software", "Velmarin", "Korvane"};
constexpr int kKeyDepth = 3;

// Closes the first `count` keys of the path, innermost first.
void CloseKeys(HKEY* keys, int count) {
    while (count > 0) {
        --count;
        RegCloseKey(keys[count]);
    }
}

enum class KeyAccess { kRead, kWrite };

// Opens the first `depth` levels one at a time, for writing creating those that are missing;
// returns how many were opened.
int OpenKeys(HKEY* keys, int depth, KeyAccess access) {
    HKEY parent = HKEY_LOCAL_MACHINE;
    int opened = 0;
    while (opened < depth) {
        LONG result = access == KeyAccess::kRead
                          ? RegOpenKeyExA(parent, kKeyPath[opened], 0, KEY_READ, &keys[opened])
                          : RegCreateKeyExA(parent, kKeyPath[opened], 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                            nullptr, &keys[opened], nullptr);
        if (result != ERROR_SUCCESS) {
            break;
        }
        parent = keys[opened];
        ++opened;
    }
    return opened;
}

}  // namespace

void LoadSettings(Settings& settings) {
    HKEY keys[kKeyDepth];
    int opened = OpenKeys(keys, kKeyDepth, KeyAccess::kRead);
    if (opened == kKeyDepth) {
        for (int i = 0; i < kSettingsValueCount; ++i) {
            const SettingsValueInfo& info = GetSettingsValueInfo(i);
            BYTE buffer[kLargestSettingsValueBytes];
            DWORD size = info.byteCount;
            // A longer value fails with ERROR_MORE_DATA and is skipped; the type is not examined.
            if (RegQueryValueExA(keys[kKeyDepth - 1], info.name, nullptr, nullptr, buffer, &size) == ERROR_SUCCESS) {
                DecodeSettingsValue(buffer, size, i, &settings);
            }
        }
    }
    CloseKeys(keys, opened);
}

void SaveSettings(const Settings& settings) {
    HKEY keys[kKeyDepth];
    int opened = OpenKeys(keys, kKeyDepth, KeyAccess::kWrite);
    if (opened == kKeyDepth) {
        for (int i = 0; i < kSettingsValueCount; ++i) {
            const SettingsValueInfo& info = GetSettingsValueInfo(i);
            BYTE buffer[kLargestSettingsValueBytes];
            EncodeSettingsValue(settings, i, buffer);
            DWORD type = info.kind == SettingsValueKind::kDword ? REG_DWORD : REG_BINARY;
            RegSetValueExA(keys[kKeyDepth - 1], info.name, 0, type, buffer, info.byteCount);
        }
    }
    CloseKeys(keys, opened);
}

void DeleteSettings() {
    HKEY keys[kKeyDepth - 1];
    int opened = OpenKeys(keys, kKeyDepth - 1, KeyAccess::kWrite);
    if (opened == kKeyDepth - 1) {
        RegDeleteKeyA(keys[kKeyDepth - 2], kKeyPath[kKeyDepth - 1]);
    }
    CloseKeys(keys, opened);
}
