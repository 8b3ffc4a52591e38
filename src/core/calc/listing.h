#pragma once
// The listing of additional payments a comparison applied: texts by listing
// row (0 heads each column) and listing index (one per comparison row that
// applied any amount).

#include <array>
#include <string>

namespace amortix {

inline constexpr int kListingRows = 41;     // listing rows 0..40
inline constexpr int kListingIndexes = 12;  // listing indexes 0..11
// Indexed [listing row][listing index].
using ListingTable = std::array<std::array<std::string, kListingIndexes>, kListingRows>;

}  // namespace amortix
