#include "tests/win/win_test.h"

#include <windows.h>

#include <cstring>

namespace {

WinTestCase* gFirst = nullptr;
WinTestCase** gLast = &gFirst;
int gFailures = 0;
char gTempDir[MAX_PATH];

// An unanswered dialog would hang the run forever; end it with a clear message instead.
DWORD WINAPI Watchdog(LPVOID) {
    Sleep(240000);
    std::printf("Bail out! the Windows tests took longer than 240 s\n");
    TerminateProcess(GetCurrentProcess(), 99);
    return 0;
}

void MakeTempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    wsprintfA(gTempDir, "%skorvane-wintest-%lu\\", base, GetCurrentProcessId());
    CreateDirectoryA(gTempDir, nullptr);
}

}  // namespace

void RegisterWinTest(WinTestCase* test) {
    *gLast = test;
    gLast = &test->next;
}

void ReportWinTestFailure(const char* file, int line, const char* expression) {
    ++gFailures;
    std::printf("  FAILED %s:%d: %s\n", file, line, expression);
}

const char* WinTestTempDir() {
    return gTempDir;
}

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
    MakeTempDir();
    const char* filter = argc > 1 ? argv[1] : "";
    int run = 0;
    int failedTests = 0;
    for (WinTestCase* t = gFirst; t != nullptr; t = t->next) {
        // Tests named Tool... make files for people (screenshots); they run only when asked for.
        bool tool = std::strncmp(t->name, "Tool", 4) == 0;
        if (std::strncmp(t->name, filter, std::strlen(filter)) != 0 || (tool && std::strncmp(filter, "Tool", 4) != 0)) {
            continue;
        }
        int before = gFailures;
        std::printf("[ RUN  ] %s\n", t->name);
        t->body();
        ++run;
        if (gFailures != before) {
            ++failedTests;
            std::printf("[ FAIL ] %s\n", t->name);
        } else {
            std::printf("[  OK  ] %s\n", t->name);
        }
    }
    std::printf("%d tests, %d failed\n", run, failedTests);
    return failedTests == 0 && run > 0 ? 0 : 1;
}
