// The text report of the current image's headers, in two forms (summary, member list), each
// built once into a cache and shown from there until the caches are emptied.
#pragma once

#include <cstdint>

#include "views/plain_string.h"

class BitmapImage;

struct ReportOptions {
    uint32_t textOption;  // 0 summary, 1 member list, anything else shows nothing
    uint32_t notation;    // 0 decimal, anything else hexadecimal
    uint32_t viewData;    // 1: the image view is active, nothing is built
};

class HeaderReport {
  public:
    // Size of the file at path, or -1; replaceable so tests can count queries.
    using FileSizeQuery = int64_t (*)(const char* path);

    explicit HeaderReport(FileSizeQuery querySize = nullptr);

    // The text the report control must show now, building the chosen form if its cache is
    // empty; none when nothing is to be shown (no image, image view, unknown form).
    const char* Refresh(const BitmapImage* image, const char* path, const ReportOptions& options);
    void EmptyBoth();
    void EmptyMemberList();

    // Building alone, for the console tool and tests.
    void BuildSummary(const BitmapImage& image, const char* path, PlainString& out) const;
    void BuildMemberList(const BitmapImage& image, const char* path, uint32_t notation, PlainString& out) const;

    const PlainString& SummaryCache() const { return summary_; }
    const PlainString& MemberListCache() const { return memberList_; }

  private:
    FileSizeQuery querySize_;
    PlainString summary_;
    PlainString memberList_;
};
