#include "ExportShapeReader.h"

#include <cstdint>

namespace exportshape {

const Value* Value::Member(std::string_view name) const {
    for (const auto& [key, item] : items) {
        if (key == name) {
            return &item;
        }
    }
    return nullptr;
}

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    ReadResult Read() {
        ReadResult result;
        SkipSpace();
        if (Peek() != '{') {
            Fail("the document is not an object");
        } else {
            ReadValue(result.root);
        }
        SkipSpace();
        if (error_.empty() && position_ != text_.size()) {
            Fail("text after the document");
        }
        result.ok = error_.empty();
        result.error = error_;
        result.errorOffset = position_;
        return result;
    }

private:
    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    bool Fail(const char* why) {
        if (error_.empty()) {
            error_ = why;
        }
        return false;
    }

    void SkipSpace() {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\n' ||
                                            text_[position_] == '\r' || text_[position_] == '\t')) {
            ++position_;
        }
    }

    bool Expect(char c) {
        SkipSpace();
        if (Peek() != c) {
            return Fail("an expected character is missing");
        }
        ++position_;
        return true;
    }

    bool ReadValue(Value& value) {
        SkipSpace();
        switch (Peek()) {
        case '{':
            return ReadObject(value);
        case '[':
            return ReadArray(value);
        case '"':
            value.kind = Value::Kind::String;
            return ReadString(value.text);
        case 't':
        case 'f':
            value.kind = Value::Kind::Boolean;
            return ReadWord(value.text, {"true", "false"});
        default:
            value.kind = Value::Kind::Number;
            return ReadNumber(value.text);
        }
    }

    bool ReadWord(std::string& text, std::initializer_list<std::string_view> words) {
        for (const std::string_view word : words) {
            if (text_.substr(position_, word.size()) == word) {
                text = word;
                position_ += word.size();
                return true;
            }
        }
        return Fail("an unknown word");
    }

    // -?digits(.digits)?([eE][+-]?digits)?, or the C library's nan, inf, -inf.
    bool ReadNumber(std::string& text) {
        const size_t start = position_;
        if (Peek() == '-') {
            ++position_;
        }
        if (Peek() == 'n' || Peek() == 'i') {
            std::string word;
            if (!ReadWord(word, {"nan", "inf"})) {
                return false;
            }
            text = std::string(text_.substr(start, position_ - start));
            return true;
        }
        const auto digits = [this] {
            const size_t first = position_;
            while (Peek() >= '0' && Peek() <= '9') {
                ++position_;
            }
            return position_ > first;
        };
        if (!digits()) {
            return Fail("a value is missing");
        }
        if (Peek() == '.') {
            ++position_;
            if (!digits()) {
                return Fail("a number ends in its point");
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++position_;
            if (Peek() == '+' || Peek() == '-') {
                ++position_;
            }
            if (!digits()) {
                return Fail("a number's exponent has no digits");
            }
        }
        text = std::string(text_.substr(start, position_ - start));
        return true;
    }

    static void AppendUtf8(std::string& out, uint32_t code) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    bool ReadHex4(uint32_t& code) {
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            ++position_;
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return Fail("a \\u escape without four hex digits");
            }
        }
        return true;
    }

    bool ReadEscape(std::string& text) {
        const char c = Peek();
        ++position_;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            text.push_back(c);
            return true;
        case 'b':
            text.push_back('\b');
            return true;
        case 'f':
            text.push_back('\f');
            return true;
        case 'n':
            text.push_back('\n');
            return true;
        case 'r':
            text.push_back('\r');
            return true;
        case 't':
            text.push_back('\t');
            return true;
        case 'u': {
            uint32_t code = 0;
            if (!ReadHex4(code)) {
                return false;
            }
            if (code >= 0xD800 && code < 0xDC00 && text_.substr(position_, 2) == "\\u") {
                position_ += 2;
                uint32_t low = 0;
                if (!ReadHex4(low) || low < 0xDC00 || low > 0xDFFF) {
                    return Fail("an unpaired surrogate escape");
                }
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            }
            AppendUtf8(text, code);
            return true;
        }
        default:
            return Fail("an unknown escape");
        }
    }

    bool ReadString(std::string& text) {
        ++position_; // the opening quote
        text.clear();
        while (position_ < text_.size()) {
            const char c = text_[position_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return Fail("a control character inside a string");
            }
            if (c == '\\') {
                if (!ReadEscape(text)) {
                    return false;
                }
            } else {
                text.push_back(c);
            }
        }
        return Fail("a string without its closing quote");
    }

    // "name": value
    bool ReadMember(std::string& name, Value& value) {
        SkipSpace();
        if (Peek() != '"') {
            return Fail("a member without a quoted name");
        }
        return ReadString(name) && Expect(':') && ReadValue(value);
    }

    bool ReadObject(Value& value) {
        value.kind = Value::Kind::Object;
        ++position_;
        for (;;) {
            SkipSpace();
            if (Peek() == '}') {
                ++position_;
                return true;
            }
            auto& [name, item] = value.items.emplace_back();
            if (!ReadMember(name, item)) {
                return false;
            }
            SkipSpace();
            if (Peek() == ',') {
                ++position_;
            } else if (Peek() != '}') {
                return Fail("members without a comma between them");
            }
        }
    }

    bool ReadArray(Value& value) {
        value.kind = Value::Kind::Array;
        ++position_;
        for (;;) {
            SkipSpace();
            if (Peek() == ']') {
                ++position_;
                return true;
            }
            auto& [name, item] = value.items.emplace_back();
            bool bareMember = false;
            if (text_.substr(position_, 7) == "\"pair\":") {
                bareMember = true;
                if (!ReadMember(name, item)) {
                    return false;
                }
                if (item.kind != Value::Kind::Array) {
                    return Fail("a pair that is not a list");
                }
            } else if (!ReadValue(item)) {
                return false;
            }
            SkipSpace();
            if (Peek() == ',') {
                ++position_;
            } else if (Peek() != ']' && !(bareMember && text_.substr(position_, 7) == "\"pair\":")) {
                return Fail("elements without a comma between them");
            }
        }
    }

    std::string_view text_;
    size_t position_ = 0;
    std::string error_;
};

} // namespace

ReadResult ReadExport(std::string_view document) {
    return Reader(document).Read();
}

void CollectStrings(const Value& value, std::vector<std::string>& strings) {
    if (value.kind == Value::Kind::String) {
        strings.push_back(value.text);
    }
    for (const auto& item : value.items) {
        CollectStrings(item.second, strings);
    }
}

} // namespace exportshape
