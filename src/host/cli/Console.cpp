#include "host/cli/Console.h"

#include <algorithm>
#include <cstdio>

#include "calc/CalcContext.h"
#include "calc/journal/JournalCategory.h"
#include "text/StringTable.h"
#include "text/Utf.h"

namespace {

// Characters as a terminal shows them: one per code point (a surrogate pair is one).
size_t CharacterCount(std::u16string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char16_t c) { return c < 0xDC00 || c > 0xDFFF; }));
}

void Pad(std::u16string& line, std::u16string_view cell, size_t width, bool right) {
    const std::u16string padding(width - std::min(width, CharacterCount(cell)), u' ');
    if (right) {
        line += padding;
        line += cell;
    } else {
        line += cell;
        line += padding;
    }
}

// A number as the rounding rules write it, a "< limit", an em dash or nothing.
bool IsNumberText(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) {
        return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'<' || c == u' ' || c == u'\u2014';
    });
}

// A cell's text on one line: line breaks and tabs would break the columns.
std::u16string OneLine(std::u16string_view text) {
    std::u16string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char16_t c) { return c == u'\n' || c == u'\r' || c == u'\t'; }, u' ');
    return line;
}

} // namespace

void PrintLine(std::u16string_view text) {
    PrintLine(std::string_view(Utf16ToUtf8(text)));
}

void PrintLine(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(std::string_view utf8) {
    std::fflush(stdout);
    std::fputs("tarvel: ", stderr);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fputc('\n', stderr);
}

std::u16string PageTableText(const PageTable& table, const TableLayout& layout) {
    const RowMarkTexts* marks = layout.marks;
    std::vector<size_t> shown;
    for (size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].visible()) {
            shown.push_back(c);
        }
    }
    std::vector<std::vector<std::u16string>> lines;
    const size_t firstRow = layout.header ? 1 : 0; // the line of the table's first row
    if (layout.header) {
        lines.emplace_back();
        for (size_t c : shown) {
            lines.back().push_back(OneLine(table.columns[c].header));
        }
    }
    for (const auto& row : table.rows) {
        lines.emplace_back();
        for (size_t c : shown) {
            lines.back().push_back(c < row.size() ? OneLine(row[c]) : std::u16string());
        }
    }
    std::vector<size_t> widths(shown.size(), 0);
    for (const auto& line : lines) {
        for (size_t i = 0; i < line.size(); ++i) {
            widths[i] = std::max(widths[i], CharacterCount(line[i]));
        }
    }
    // Columns of numbers line up on their last digit.
    std::vector<bool> rightAligned(shown.size(), false);
    for (size_t i = 0; i < shown.size(); ++i) {
        rightAligned[i] =
            table.columns[shown[i]].rightAligned ||
            (i > 0 && std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(firstRow), lines.end(),
                                  [i](const auto& line) { return IsNumberText(line[i]); }));
    }
    size_t markWidth = 0;
    if (marks != nullptr) {
        markWidth = std::max(CharacterCount(marks->marked), CharacterCount(marks->unmarked)) + 1;
    }

    std::u16string text;
    for (size_t l = 0; l < lines.size(); ++l) {
        std::u16string line;
        if (marks != nullptr) {
            const size_t row = l - firstRow;
            const std::u16string_view mark = l < firstRow || row >= table.rowMarks.size() ? u""
                                             : table.rowMarks[row] != 0                   ? marks->marked
                                                                                          : marks->unmarked;
            Pad(line, mark, markWidth, false);
        }
        for (size_t i = 0; i < lines[l].size(); ++i) {
            if (i > 0) {
                line += u"  ";
            }
            Pad(line, lines[l][i], widths[i], rightAligned[i]);
        }
        while (!line.empty() && line.back() == u' ') {
            line.pop_back();
        }
        text += line;
        text += u'\n';
    }
    return text;
}

void PrintPageTable(std::u16string_view title, const PageTable& table, const TableLayout& layout) {
    PrintLine(u"");
    PrintLine(std::u16string(title));
    std::u16string text = PageTableText(table, layout);
    if (!text.empty() && text.back() == u'\n') {
        text.pop_back();
    }
    PrintLine(text);
}

void PrintJournal(const CalcContext& context) {
    PrintLine(u"");
    PrintLine(LoadText(StringId::ReportJournalTitle));
    if (context.journal.entries.empty()) {
        PrintLine(u"  —");
        return;
    }
    for (const JournalEntry& entry : context.journal.entries) {
        PrintLine(u"  " + std::u16string(CategoryName(entry.category)) + u": " + OneLine(entry.text));
    }
}
