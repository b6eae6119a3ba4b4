// A small test runner for the Windows executables that run under Wine: tests register
// themselves with WIN_TEST, CHECK records a failure and goes on.
#pragma once

#include <cstdio>

struct WinTestCase {
    const char* name;
    void (*body)();
    WinTestCase* next;
};

void RegisterWinTest(WinTestCase* test);
void ReportWinTestFailure(const char* file, int line, const char* expression);

#define WIN_TEST(name)                                                       \
    static void name();                                                      \
    static WinTestCase name##_case = {#name, name, nullptr};                 \
    static const int name##_registered = (RegisterWinTest(&name##_case), 0); \
    static void name()

#define CHECK(expression) ((expression) ? void() : ReportWinTestFailure(__FILE__, __LINE__, #expression))

// A folder of its own for the running test's files (Windows path, trailing backslash).
const char* WinTestTempDir();
