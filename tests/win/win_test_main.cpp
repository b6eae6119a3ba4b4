#include "tests/win/win_test.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

int gFailures = 0;

std::vector<std::pair<std::string, void (*)()>>& Tests() {
    static std::vector<std::pair<std::string, void (*)()>> tests;
    return tests;
}

}  // namespace

int RegisterWinTest(const char* name, void (*body)()) {
    Tests().emplace_back(name, body);
    return 0;
}

void ReportWinTestFailure(const char* file, int line, const char* expression) {
    ++gFailures;
    std::printf("  FAILED %s:%d: %s\n", file, line, expression);
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder + std::string("korvane-wintest\\") + name;
}

// An argument runs only the tests whose names begin with it. Tests named Tool... make files
// for people (screenshots) and run only when asked for. A hung test is ended by the caller's
// time limit; the last test started is the one.
int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    CreateDirectoryA(TempPath("").c_str(), nullptr);
    const std::string filter = argc > 1 ? argv[1] : "Tool";
    int run = 0, failed = 0;
    for (const auto& [name, body] : Tests()) {
        if ((name.rfind(filter, 0) == 0) == (argc > 1)) {
            int before = gFailures;
            std::printf("[ RUN  ] %s\n", name.c_str());
            body();
            ++run;
            failed += gFailures != before;
            std::printf("%s %s\n", gFailures != before ? "[ FAIL ]" : "[  OK  ]", name.c_str());
        }
    }
    std::printf("%d tests, %d failed\n", run, failed);
    return failed == 0 && run > 0 ? 0 : 1;
}
