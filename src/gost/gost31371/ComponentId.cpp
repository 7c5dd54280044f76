#include "gost/gost31371/ComponentId.h"

namespace gost31371 {

bool SameComponent(const char16_t* storedField, const char16_t* identifier) {
    if (storedField == nullptr || identifier == nullptr) {
        return false;
    }
    for (int i = 0; i < kIdentifierCapacity; ++i) {
        if (storedField[i] != identifier[i]) {
            return false;
        }
        if (storedField[i] == u'\0') {
            return true;
        }
    }
    return false;
}

bool FieldIs(const char16_t* storedField, const char* asciiIdentifier) {
    if (storedField == nullptr || asciiIdentifier == nullptr) {
        return false;
    }
    for (int i = 0; i < kIdentifierCapacity; ++i) {
        const auto wanted = static_cast<char16_t>(static_cast<unsigned char>(asciiIdentifier[i]));
        if (storedField[i] != wanted) {
            return false;
        }
        if (wanted == u'\0') {
            return true;
        }
    }
    return false;
}

} // namespace gost31371
