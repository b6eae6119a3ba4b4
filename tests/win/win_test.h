// A small test runner for the Windows executable run under Wine: WIN_TEST registers a test,
// CHECK reports a failure and goes on.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// Filled while the program starts, hence a function's own static rather than a global.
inline std::vector<std::pair<const char*, void (*)()>>& WinTests() {
    static std::vector<std::pair<const char*, void (*)()>> tests;
    return tests;
}
inline int gWinTestFailures = 0;

#define WIN_TEST(name)                                                                  \
    static void name();                                                                 \
    static const bool name##_registered = (WinTests().emplace_back(#name, name), true); \
    static void name()

#define CHECK(expression) \
    void((expression) || std::printf("  FAILED %s:%d: %s\n", __FILE__, __LINE__, #expression) + ++gWinTestFailures)

// A file in the test run's own folder, which a later run may find again (Windows path).
std::string TempPath(const char* name);
