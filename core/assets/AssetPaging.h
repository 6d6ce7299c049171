#pragma once
// Where the rows of the asset lists fall on paper.
// M/3: the first sheet holds 12 rows on its front and 19 on its back; every further sheet holds
// 19 on its front and 19 on its back. M/3A: 20 rows a page in each of its two lists.

struct M3Place {
    int sheet = 0;  // from 1
    int face = 0;   // 1 front, 2 back
    friend constexpr bool operator==(const M3Place&, const M3Place&) = default;
};

inline constexpr int kM3FirstFrontRows = 12;
inline constexpr int kM3FirstSheetRows = 31;
inline constexpr int kM3FaceRows = 19;
inline constexpr int kM3SheetRows = 2 * kM3FaceRows;
inline constexpr int kM3ARowsPerPage = 20;

// The most sheets (M/3) or pages (M/3A) a list prints on: sheet numbers of four digits. No
// declaration comes near (an M/3 of 379,955 assets); a folder file beyond it is damaged.
inline constexpr int kMaxListSheets = 9999;
inline constexpr int kM3MaxRows = kM3FirstSheetRows + (kMaxListSheets - 1) * kM3SheetRows;
inline constexpr int kM3AMaxRows = kMaxListSheets * kM3ARowsPerPage;

// Sheet and face of row `row` (from 1); nothing for a row below 1.
constexpr M3Place M3PlaceOfRow(int row)
{
    if (row < 1)
        return {};
    if (row <= kM3FirstSheetRows)
        return {1, row <= kM3FirstFrontRows ? 1 : 2};
    const int k = row - (kM3FirstSheetRows + 1);
    return {k / kM3SheetRows + 2, k % kM3SheetRows < kM3FaceRows ? 1 : 2};
}

// The sheets a list of `rows` rows needs and the face its last row is on; an empty list still
// takes the front of sheet 1. Nothing for a negative count.
constexpr M3Place M3SheetsForRows(int rows)
{
    if (rows < 0)
        return {};
    return M3PlaceOfRow(rows < 1 ? 1 : rows);
}

// M/3A page of row `row` (from 1); 0 for a row below 1.
constexpr int M3APageOfRow(int row)
{
    return row < 1 ? 0 : (row - 1) / kM3ARowsPerPage + 1;
}

// M/3A pages a list of `rows` rows needs; 0 for none.
constexpr int M3APagesForRows(int rows)
{
    return rows < 1 ? 0 : M3APageOfRow(rows);
}

// The bounds are the last rows of the last sheet and page.
static_assert(M3PlaceOfRow(kM3MaxRows) == M3Place{kMaxListSheets, 2} && M3PlaceOfRow(kM3MaxRows + 1).sheet == kMaxListSheets + 1);
static_assert(M3APageOfRow(kM3AMaxRows) == kMaxListSheets && M3APageOfRow(kM3AMaxRows + 1) == kMaxListSheets + 1);
