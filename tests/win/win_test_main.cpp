#include "tests/win/win_test.h"

#include <windows.h>

// An argument runs only the tests whose names begin with it. A hung test is ended by the
// caller's time limit; the last test started is the one.
int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    CreateDirectoryA(TempPath("").c_str(), nullptr);
    const std::string filter = argc > 1 ? argv[1] : "";
    int run = 0;
    for (const auto& [name, body] : WinTests()) {
        if (std::string(name).rfind(filter, 0) == 0) {
            std::printf("[ RUN  ] %s\n", name);
            body();
            ++run;
        }
    }
    std::printf("%d tests, %d failed checks\n", run, gWinTestFailures);
    return gWinTestFailures == 0 && run > 0 ? 0 : 1;
}
