#include "tests/win/win_test.h"

#include <windows.h>

#include <cstring>

namespace {

WinTestCase* gFirst = nullptr;
int gFailures = 0;
char gTempDir[MAX_PATH];

}  // namespace

void RegisterWinTest(WinTestCase* test) {
    test->next = gFirst;
    gFirst = test;
}

void ReportWinTestFailure(const char* file, int line, const char* expression) {
    ++gFailures;
    std::printf("  FAILED %s:%d: %s\n", file, line, expression);
}

const char* WinTestTempDir() {
    return gTempDir;
}

// An argument runs only the tests whose names begin with it. Tests named Tool... make files
// for people (screenshots) and run only when asked for. A hung test is ended by the caller's
// time limit; the last test started is the one.
int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    GetTempPathA(MAX_PATH, gTempDir);
    lstrcatA(gTempDir, "korvane-wintest\\");
    CreateDirectoryA(gTempDir, nullptr);
    const char* filter = argc > 1 ? argv[1] : "";
    int run = 0, failed = 0;
    for (WinTestCase* t = gFirst; t != nullptr; t = t->next) {
        if (std::strncmp(t->name, filter, std::strlen(filter)) != 0 ||
            (!*filter && !std::strncmp(t->name, "Tool", 4))) {
            continue;
        }
        int before = gFailures;
        std::printf("[ RUN  ] %s\n", t->name);
        t->body();
        ++run;
        failed += gFailures != before;
        std::printf("%s %s\n", gFailures != before ? "[ FAIL ]" : "[  OK  ]", t->name);
    }
    std::printf("%d tests, %d failed\n", run, failed);
    return failed == 0 && run > 0 ? 0 : 1;
}
