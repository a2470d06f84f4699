// The details of the last Total: every number it took, in order, with its line and the text
// as it stood there, and (with whole cells) every cell it skipped. Built on request from the
// kept text, so the Total itself collects nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "total/kept_total.h"
#include "total/total_scan.h"

struct DetailRow {
    size_t Start = 0;  // the text's place in the kept text
    uint32_t Length = 0;
    uint32_t Line = 0;  // 1-based; CR LF, a lone CR and a lone LF each end a line
    bool Skipped = false;
};

struct TotalDetails {
    KeptTotal Total;
    TotalReading Reading;
    std::vector<DetailRow> Rows;
};

TotalDetails BuildTotalDetails(const KeptTotal& total);

std::string_view DetailText(const TotalDetails& details, const DetailRow& row);

// The number as the Total read it: sign, digits without leading zeros, the view's separator
// and the fraction as written; "ERROR" for a number the Total refused; empty for a skipped
// cell.
std::string DetailNumber(const TotalDetails& details, const DetailRow& row);

// The list as tab-separated lines with CR LF ends under a heading line, for the clipboard:
// line, text, and the number or "skipped".
std::string TotalDetailsTable(const TotalDetails& details);
