// A shell over the scripted window system, with a folder of its own for bitmap files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "model/bitmap_image.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "tests/app/fake_window_system.h"

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() : shell(fake, settings) { fake.Attach(&shell); }

    void SetUp() override {
        char pattern[] = "/tmp/korvane-app-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string PathOf(const char* name) const { return dir + "/" + name; }

    // A blank bitmap file written by the model itself.
    std::string WriteBitmap(const char* name, int32_t width, int32_t height, uint32_t bits, uint32_t colors) {
        BitmapImage image;
        EXPECT_EQ(image.Create(nullptr, width, height, bits, colors), 1);
        std::string path = PathOf(name);
        EXPECT_EQ(image.Save(path.c_str(), 1), 1);
        return path;
    }
    static std::vector<uint8_t> ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void Run(int command) { ASSERT_EQ(DispatchCommand(shell, command), 1); }
    void Open(const std::string& path) {
        fake.openPaths.push_back(path);
        Run(ID_FILE_OPEN);
    }
    // OK in the new-image dialog with these values.
    void New(uint32_t width, uint32_t height, int mode, uint32_t entries) {
        fake.newDialogScript.push_back([=](NewImageSettings& v) {
            v.width = width;
            v.height = height;
            v.modeIndex = mode;
            v.entryCount = entries;
            return 1;
        });
        Run(ID_FILE_NEW);
    }
    void ExpectImageItems(bool enabled) {
        for (auto item : {std::make_pair(0, 3), {0, 5}, {0, 6}, {3, 0}, {3, 1}}) {
            EXPECT_EQ(fake.IsGrayed(item.first, item.second), !enabled) << item.first << "." << item.second;
        }
    }

    FakeWindowSystem fake;
    Settings settings;
    Shell shell;
    std::string dir;
};
