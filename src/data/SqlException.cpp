#include "data/SqlException.h"

#include <utility>

namespace DataBase {

SqlException::SqlException(std::string message, std::string sql, int32_t code)
    : message_(std::move(message)), sql_(std::move(sql)), code_(code) {}

} // namespace DataBase
