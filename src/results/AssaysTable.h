// The chromatogram list of a calculation: one row per chromatogram (calibration, control or analysis),
// and the columns below, each one record with its header, its keys in the report and the exports, its
// value, its text rule and its Show and Scale settings. The chromatograms page, the report and the XML
// and TXT exports iterate this one table. The JSON export is no reader of it: its readers expect every
// member of every chromatogram whatever the Show settings, the time as "detetime" and the pressure as a
// number, so it writes its own fixed list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h"
#include "data/Assay.h"
#include "results/TableView.h"

// How a column writes its value.
enum class AssayText {
    Stored,   // the stored text as it is
    FileName, // the file-name part of the stored path (FileNameOfPath)
    // The time of the chromatogram, as each reader makes it: the page and the report the user's local
    // short date and time (the page nothing for a record never read, date 0), the XML export UTC in
    // ISO 8601, the TXT export the host's local time.
    DateTime,
    // The role: a localized word on the page and in the report (AssayRoleWord), a keyword in the exports
    // ("calibration", "control", "assay"), which the TXT export writes in capitals.
    Role,
    Pressure, // the atmospheric pressure, kPa: the missing test, then the Scale decimals; a number, which
              // the page aligns to the right
};

struct AssaysTableColumn {
    uint32_t headerId;       // string-table id of the header on the page and in the report head
    const char* key;         // element of the XML export; in capitals, the key of the TXT export
    const char* txtKey;      // the TXT key where its readers expect another spelling; else null
    const char* headElement; // element of the report head
    const char* bodyElement; // element of the report's row of one chromatogram
    AssayText text;
    std::u16string Assay::*stored; // the text of a Stored or FileName column; else null
    bool CalcSettings::*show;      // null: always shown
    int32_t CalcSettings::*scale;  // the decimals of the Pressure column; else null
};

// The columns in the order of the page, the report and the exports.
std::span<const AssaysTableColumn> AssaysTable();

bool IsShown(const AssaysTableColumn& column, const TableView& view);

// The localized word of a role ("Анализ", "Градуировка", "Контроль"); empty for a role not known.
std::u16string_view AssayRoleWord(int32_t role);

// The texts of a chromatogram that each reader makes itself (AssayText::DateTime and AssayText::Role).
struct AssayReaderTexts {
    std::u16string dateTime;
    std::u16string_view role;
};

// The text of a column of one chromatogram, the same on every reader but for the reader's own texts.
std::u16string CellText(const AssaysTableColumn& column, const Assay& assay, const CalcSettings& settings,
                        const AssayReaderTexts& own);
