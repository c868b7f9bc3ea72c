#pragma once

namespace lexmint {

/// The widths of the data sheet's two visible columns, in twips. The headword column takes
/// 40 % of the room, within 1000 to 2500 twips; the definition column takes the rest, but
/// never less than 1500, so that a narrow sheet scrolls sideways instead of squeezing it.
struct ColumnLayout {
    int first = 0;
    int second = 0;

    /// Room for the columns in a sheet `sheetWidth` wide whose first column starts at
    /// `firstLeft`, keeping room for the vertical scroll bar.
    static int available(int sheetWidth, int firstLeft);
    /// Both columns recomputed.
    static ColumnLayout compute(int available);
    /// The first column kept at `first`; the second fits the rest.
    static ColumnLayout keepingFirst(int available, int first);

    friend bool operator==(const ColumnLayout&, const ColumnLayout&) = default;
};

} // namespace lexmint
