// The report as one JSON object for scripts: the file header as stored, the info header, the
// colour table's count and the sizes the viewer's summary computes.
#pragma once

#include <cstdint>
#include <string>

class BitmapImage;

// The object for an image read from a file, with the file name given in UTF-8 (any byte that is
// no part of a UTF-8 character becomes U+FFFD) and the file's actual size, -1 for unknown (null).
std::string BuildReportJson(const BitmapImage& image, const std::string& utf8Path, int64_t actualSize);
