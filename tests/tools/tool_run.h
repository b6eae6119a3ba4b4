// Running a built tool the way a user's shell does, in a folder of the test's own.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "tests/model/test_files.h"

// The exit status of the shell command run in folder, and what it sent to out.txt there.
inline std::pair<int, std::string> RunInFolder(const TempDir& folder, const std::string& command) {
    const int status = std::system(("cd '" + folder.path + "' && " + command).c_str());
    const Bytes out = ReadAllBytes(folder.File("out.txt"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end())};
}
