#include "data/DataBaseConnection.h"

std::u16string& DataBaseConnection::Held() {
    static std::u16string address;
    return address;
}

void DataBaseConnection::SetUri(const char16_t* uri) {
    if (uri == nullptr) {
        Held().clear();
        return;
    }
    Held() = std::u16string(uri);
}

void DataBaseConnection::SetUri(std::u16string_view uri) {
    // The address ends at its first zero, as the host's string does.
    Held() = std::u16string(uri.substr(0, uri.find(u'\0')));
}

std::u16string DataBaseConnection::Uri() {
    return Held();
}
