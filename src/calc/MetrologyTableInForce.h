// Which table of metrological characteristics of GOST 31371.7-2020 the calculation library has in force,
// and the texts that name it wherever a result is certified: the about page, the report, the XML and TXT
// exports, "tarvel info". A laboratory's file the library refused makes every calculation fail.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/CalcContext.h"
#include "gost/gost31371/include/Tarvel31371720.h"

struct MetrologyTableInForce {
    bool known = false; // the library answered (false: missing, or without the entry)
    int32_t kind = 0;   // MetrologyTableKind of the library's interface
    int32_t rowCount = 0;
    int32_t fileParts = 0; // MetrologyTablePart bits taken from the file
    int32_t faultLine = 0;
    int32_t fault = 0; // MetrologyFileFault
    std::u16string sha1;
    std::u16string faultText;
    std::u16string path;
};

// Asked of the library once: it reads its file once per process.
const MetrologyTableInForce& TableInForce();

// The reason of a fault, followed by ": " and the offending text when there is one.
std::u16string MetrologyFaultText(int32_t fault, std::u16string_view offendingText);

// "встроенная проектная таблица", "лабораторная таблица (SHA-1 …, строк: N)" (with the parts taken from
// the file when it does not give them all) or "файл таблицы отклонён"; empty when unknown.
std::u16string MetrologyTableText(const MetrologyTableInForce& table);

// For the exports: "designed", "laboratory <SHA-1>" or "refused"; empty when unknown.
std::u16string MetrologyTableKeyword(const MetrologyTableInForce& table);

// The journal message of a refused file: the file, the line and the reason.
std::u16string RefusedFileMessage(const MetrologyTableInForce& table);

// Fails the run with RefusedFileMessage when the library refused its file; 0 otherwise.
int32_t CheckMetrologyTable(CalcContext& context, const MetrologyTableInForce& table);
