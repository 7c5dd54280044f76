// What the command line prints: UTF-8 lines on the standard output, errors on the standard error, and
// the lists of the main window as aligned text.
#pragma once

#include <string>
#include <string_view>

#include "ui/models/PageTable.h"

struct CalcContext;

void PrintLine(std::u16string_view text);
void PrintLine(std::string_view utf8);
// "tarvel: " and the message on the standard error.
void PrintError(std::string_view utf8);

// The marks a printed list puts before its rows: the text for a row marked 0 and for one marked 1.
struct RowMarkTexts {
    std::u16string_view unmarked;
    std::u16string_view marked;
};

// The visible columns of the list under a title line, each as wide as its longest text (counted in
// characters); the first column aligned left, the others as the column says (numbers right). With
// marks, each row begins with the text of its mark. A list whose first row repeats the column titles
// (the methane-number page) is printed without its header line.
struct TableLayout {
    const RowMarkTexts* marks = nullptr;
    bool header = true;
};
void PrintPageTable(std::u16string_view title, const PageTable& table, const TableLayout& layout = {});

// The table as lines of text, without the title (what PrintPageTable prints below it).
std::u16string PageTableText(const PageTable& table, const TableLayout& layout = {});

// The journal of the last run under its title: one line per entry, its section name and its text.
void PrintJournal(const CalcContext& context);
