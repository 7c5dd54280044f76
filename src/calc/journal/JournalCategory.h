// Names of the journal sections: the display name of the journal list (from the string table) and the
// code the exports write.
#pragma once

#include <cstdint>
#include <string_view>

// "Общая", "Градуировка", "Компоненты", "Расчёт", "Метановое число", "Смесь"; empty for any other
// value. Loaded from the string table once and kept for the life of the module.
std::u16string_view CategoryName(uint32_t category);

// "GENERAL", "CALIB", "COMP", "PROP", "METN", "MIX"; empty for any other value.
std::u16string_view CategoryExportCode(uint32_t category);
