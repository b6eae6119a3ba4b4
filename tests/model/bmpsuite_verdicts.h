// The public BMP suite's verdicts (natively and under Wine): each file and whether it is accepted.
#pragma once

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::pair<std::string, bool>> BmpSuiteVerdicts(const std::string& folder) {
    std::vector<std::pair<std::string, bool>> verdicts;
    std::ifstream csv(folder + "/classification.csv");
    for (std::string line; std::getline(csv, line);) {  // file,...,expected,... with accept or refuse
        if (line.find(",accept,") != std::string::npos || line.find(",refuse,") != std::string::npos) {
            verdicts.emplace_back(line.substr(0, line.find(',')), line.find(",accept,") != std::string::npos);
        }
    }
    return verdicts;
}
