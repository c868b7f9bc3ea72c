#include "app/ColumnLayout.h"

#include <algorithm>

namespace lexmint {

namespace {
constexpr int ScrollBarRoom = 235;
constexpr int MinFirst = 1000;
constexpr int MaxFirst = 2500;
constexpr int MinSecond = 1500;
} // namespace

int ColumnLayout::available(int sheetWidth, int firstLeft)
{
    return sheetWidth - firstLeft - ScrollBarRoom;
}

ColumnLayout ColumnLayout::compute(int available)
{
    // 40 % rounded down, in integers so that no rounding of the floating point value creeps in.
    return keepingFirst(available, std::clamp(available * 2 / 5, MinFirst, MaxFirst));
}

ColumnLayout ColumnLayout::keepingFirst(int available, int first)
{
    return {first, std::max(MinSecond, available - first)};
}

} // namespace lexmint
