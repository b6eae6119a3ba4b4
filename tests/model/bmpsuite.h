// The public BMP suite against its verdicts, natively and under Wine.
#pragma once

#include <fstream>
#include <string>

#include "model/bitmap_image.h"

// Loads each file the suite's list accepts or refuses, and draws what loaded on dc: the names of
// those that went against their verdict, or how many verdicts there were when not the 91.
inline std::string BmpSuiteMisjudged(const std::string& folder, DeviceContext dc) {
    std::ifstream csv(folder + "/classification.csv");
    std::string misjudged;
    int verdicts = 0;
    for (std::string line; std::getline(csv, line);) {  // file,...,expected,... with accept or refuse
        const bool accept = line.find(",accept,") != std::string::npos;
        if (accept || line.find(",refuse,") != std::string::npos) {
            BitmapImage image;
            const std::string file = line.substr(0, line.find(','));
            misjudged += (image.Load(dc, (folder + "/" + file).c_str()) != 0) == accept ? "" : file + " ";
            image.Draw(dc, 0, 0);
            ++verdicts;
        }
    }
    return verdicts == 91 ? misjudged : std::to_string(verdicts) + " verdicts";
}
