// Start-up of korvane.exe against a bare window: from starting the process to its first visible
// window, each program in turn (the first of a pair alternates), the figure being the median of
// the pairs' ratios. Also proves that a program starts, shows its window and ends when closed.
//   korvane-startup-bench [PAIRS [PROGRAM]]   (PROGRAM: a Windows path; the built korvane.exe)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTarget = 1.1;

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

// Milliseconds to the program's first visible top-level window, which is then closed; -1 when
// it does not start, shows none within 20 s or does not end, with status 0, when closed.
double MillisecondsToWindow(const std::string& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    std::string commandLine = "\"" + program + "\"";
    Clock::time_point start = Clock::now();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    WindowSearch search = {process.dwProcessId, nullptr};
    // Polled at 1 ms, so the search leaves the starting program the processor.
    while (search.found == nullptr && Clock::now() - start < std::chrono::seconds(20) &&
           WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    }
    double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (search.found != nullptr) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    DWORD status = 1;
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found != nullptr && status == 0 ? elapsed : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int pairs = argc > 1 ? std::atoi(argv[1]) : 15;
    // This program is in bench\ beside the bare window; the viewer is in app\ beside bench\.
    char self[MAX_PATH];
    std::string folder(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    folder.resize(folder.rfind('\\') + 1);
    const std::string kPrograms[2] = {argc > 2 ? argv[2] : folder + "..\\app\\korvane.exe",
                                      folder + "korvane-bare-window.exe"};
    std::vector<double> korvane, bare, ratios;
    // The first pair only brings both programs and Wine's libraries into memory.
    for (int pair = -1; pair < pairs; ++pair) {
        double ms[2];
        for (int turn = 0; turn < 2; ++turn) {
            int which = (pair + turn) & 1;
            ms[which] = MillisecondsToWindow(kPrograms[which]);
            if (ms[which] < 0) {
                std::fprintf(stderr, "startup: %s shows no window or does not end well\n", kPrograms[which].c_str());
                return 1;
            }
        }
        if (pair >= 0) {
            korvane.push_back(ms[0]);
            bare.push_back(ms[1]);
            ratios.push_back(ms[0] / ms[1]);
        }
    }
    if (ratios.empty()) {
        std::fprintf(stderr, "startup: no pairs\n");
        return 1;
    }
    std::printf("start-up to a visible window, %d pairs: korvane.exe %.1f ms, bare window %.1f ms (medians)\n", pairs,
                Median(korvane), Median(bare));
    std::printf("  korvane.exe / bare window, median of the pairs' ratios: %.3f (target: at most %.1f)\n",
                Median(ratios), kTarget);
    return 0;
}
