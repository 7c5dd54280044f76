// What one list of the main window shows, independent of the window system: its columns with their
// header texts and widths, and the text of every cell. The Win32 pages fill their list views from these
// models and the command line prints them, so both show the same texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PageColumn {
    uint32_t headerId = 0;   // string-table id of the header text
    std::u16string header;   // the header text
    int32_t widthPixels = 0; // 0: the column is hidden
    bool rightAligned = false;

    bool visible() const { return widthPixels > 0; }
};

struct PageTable {
    std::vector<PageColumn> columns;
    // One text per column, hidden columns included (a hidden column keeps its texts, as a list view
    // column of width 0 does).
    std::vector<std::vector<std::u16string>> rows;
    // Per row, on lists that mark their rows: the image of the first column on the calibration and
    // components pages (1 accepted, 0 not) or the check box of the chromatogram list (1 included,
    // 0 not). Empty on the other lists.
    std::vector<int32_t> rowMarks;
};

// Width of a shown column of the result pages; a hidden one has width 0.
inline constexpr int32_t kResultColumnWidthPixels = 80;
// The pages that list named quantities (the methane numbers, the physical properties): the names need
// room, the numbers do not.
inline constexpr int32_t kQuantityNameColumnWidthPixels = 430;
inline constexpr int32_t kQuantityValueColumnWidthPixels = 100;

// A column with its header text from the string table, shown at widthPixels when visible.
PageColumn MakePageColumn(uint32_t headerId, bool visible, int32_t widthPixels = kResultColumnWidthPixels);
