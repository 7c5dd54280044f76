#include "ui/win32/SolidBrushes.h"

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace {
struct BrushDeleter {
    void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

std::vector<std::pair<COLORREF, OwnedBrush>> g_brushes;
} // namespace

HBRUSH SharedSolidBrush(COLORREF colour) {
    for (const auto& [made, brush] : g_brushes) {
        if (made == colour) {
            return brush.get();
        }
    }
    OwnedBrush brush(CreateSolidBrush(colour));
    if (!brush) {
        return nullptr;
    }
    g_brushes.emplace_back(colour, std::move(brush));
    return g_brushes.back().second.get();
}

void DeleteSharedSolidBrushes() {
    g_brushes.clear();
}
