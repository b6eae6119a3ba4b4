// The public BMP suite in the test data against its verdicts, natively and under Wine.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "model/bitmap_image.h"

constexpr int kBmpSuiteVerdicts = 89;

// Loads each file of verdicts.txt ("file accept|refuse reason") and draws what loaded on dc: the
// names of those that went against their verdict, or how many verdicts there were when not all.
inline std::string BmpSuiteMisjudged(const std::string& folder, DeviceContext dc) {
    std::ifstream list(folder + "/verdicts.txt");
    std::string misjudged;
    int verdicts = 0;
    for (std::string line, file, verdict; std::getline(list, line); ++verdicts) {
        std::istringstream(line) >> file >> verdict;
        BitmapImage image;
        misjudged += (image.Load(dc, (folder + "/" + file).c_str()) != 0) == (verdict == "accept") ? "" : file + " ";
        image.Draw(dc, 0, 0);
    }
    return verdicts == kBmpSuiteVerdicts ? misjudged : std::to_string(verdicts) + " verdicts";
}
