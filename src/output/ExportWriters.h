// The three export writers the export page and the command line call. Each builds its document from
// host.context, writes it to a new file in the temporary folder and returns non-zero on success with
// the file's full path in path; on failure it has shown the error through host.showError, returns 0
// and runs nothing further. A database failure while reading a reference mixture raises
// DataBase::SqlException before any file is made.
#pragma once

#include <cstdint>
#include <string>

#include "output/ExportHost.h"

// "EXP….tmp.xml", UTF-8; both a file that cannot be created and a failed write are reported as
// "Невозможно открыть файл для записи".
int32_t ExportXml(const ExportHost& host, std::u16string& path);

// "EXP….tmp.json", UTF-8.
int32_t ExportJson(const ExportHost& host, std::u16string& path);

// "EXP….tmp.txt", ANSI code page.
int32_t ExportTxt(const ExportHost& host, std::u16string& path);
