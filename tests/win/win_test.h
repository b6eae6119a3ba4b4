// A small test runner for the Windows executables that run under Wine: tests register
// themselves with WIN_TEST, CHECK records a failure and goes on.
#pragma once

#include <string>

int RegisterWinTest(const char* name, void (*body)());
void ReportWinTestFailure(const char* file, int line, const char* expression);

#define WIN_TEST(name)                                                 \
    static void name();                                                \
    static const int name##_registered = RegisterWinTest(#name, name); \
    static void name()

#define CHECK(expression) ((expression) ? void() : ReportWinTestFailure(__FILE__, __LINE__, #expression))

// A file in the test run's own folder, which a later run may find again (Windows path).
std::string TempPath(const char* name);
