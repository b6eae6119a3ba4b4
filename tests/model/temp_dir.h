// A folder of its own for each test, removed afterwards.
#pragma once

#include <cstdlib>
#include <string>

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/korvane-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made != nullptr ? made : "/tmp";
    }
    ~TempDir() {
        std::string command = "rm -rf '" + path_ + "'";
        if (std::system(command.c_str()) != 0) {
            // Leftovers in /tmp are harmless.
        }
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
