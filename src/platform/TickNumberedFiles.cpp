#include "platform/TempFiles.h"

#include <utility>

namespace platform {

std::u16string TickNumberedName(std::u16string_view prefix, uint32_t tickMilliseconds, uint32_t step,
                                std::u16string_view extension) {
    uint32_t number = (tickMilliseconds / 100 + step % kTickNumberCount) % kTickNumberCount;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
        number /= 10;
    } while (number != 0);
    std::u16string name(prefix);
    name += digits;
    name += extension;
    return name;
}

TickNumberedFile CreateTickNumberedFile(std::u16string_view folder, std::u16string_view prefix,
                                        std::u16string_view extension, uint32_t tickMilliseconds) {
    for (uint32_t step = 0; step < kTickNumberCount; ++step) {
        std::u16string path(folder);
        path += TickNumberedName(prefix, tickMilliseconds, step, extension);
        const NewFileResult result = CreateNewFile(path);
        if (result != NewFileResult::Exists) {
            return {std::move(path), result};
        }
    }
    return {{}, NewFileResult::Exists};
}

} // namespace platform
