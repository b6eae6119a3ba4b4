// The public BMP suite, written by an independent generator: every file must be accepted or
// refused exactly as its classification says.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/bitmap_image.h"
#include "model/color_table.h"
#include "model/rgb_canvas.h"

namespace {

const std::string kSuite = std::string(KORVANE_SOURCE_DIR) + "/../shared/bmpsuite";

struct Verdict {
    std::string file;
    bool accept;
};

std::vector<Verdict> ReadClassification() {
    std::vector<Verdict> verdicts;
    std::ifstream csv(kSuite + "/classification.csv");
    std::string line;
    std::getline(csv, line);  // column names
    while (std::getline(csv, line)) {
        std::istringstream fields(line);
        std::vector<std::string> cells;
        std::string cell;
        // Only the columns before the quoted reason are needed: file ... expected.
        while (cells.size() < 7 && std::getline(fields, cell, ',')) {
            cells.push_back(cell);
        }
        if (cells.size() == 7) {
            verdicts.push_back({cells[0], cells[6] == "accept"});
        }
    }
    return verdicts;
}

}  // namespace

TEST(BmpSuite, EveryFileIsAcceptedOrRefusedAsClassified) {
    std::vector<Verdict> verdicts = ReadClassification();
    if (verdicts.empty()) {
        GTEST_SKIP() << "bmpsuite not found at " << kSuite;
    }
    EXPECT_EQ(verdicts.size(), 91u);
    int accepted = 0;
    for (const Verdict& v : verdicts) {
        BitmapImage image;
        std::string path = kSuite + "/" + v.file;
        int loaded = image.Load(nullptr, path.c_str());
        EXPECT_EQ(loaded != 0, v.accept) << v.file;
        if (loaded) {
            ++accepted;
            // Whatever was accepted can be drawn and its colours taken without harm.
            int32_t w = 0, h = 0;
            ASSERT_TRUE(image.GetSize(&w, &h));
            RgbCanvas canvas(w < 512 ? w : 512, h < 512 ? h : 512);
            image.Draw(&canvas, 0, 0);
            ColorTable table;
            EXPECT_EQ(image.GetColorTable(table) != 0, image.GetColorCount() > 0) << v.file;
            EXPECT_EQ(table.GetCount(), image.GetColorCount()) << v.file;
        }
    }
    EXPECT_GT(accepted, 0);
}
