// Attach of the plug-in library on Linux: numbers are always read and written with a point. The core
// folds letter case and formats numbers itself, so nothing else depends on the C locale.
#include <clocale>

namespace {
[[gnu::constructor]] void AttachLibrary() {
    std::setlocale(LC_NUMERIC, "C");
}
} // namespace
