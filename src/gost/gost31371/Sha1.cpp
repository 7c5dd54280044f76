#include "gost/gost31371/Sha1.h"

#include <array>
#include <cstdint>

namespace gost31371 {
namespace {

uint32_t Rotate(uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

void Compress(std::array<uint32_t, 5>& state, const unsigned char* block) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i) {
        w[i] = (uint32_t{block[4 * i]} << 24) | (uint32_t{block[4 * i + 1]} << 16) |
               (uint32_t{block[4 * i + 2]} << 8) | uint32_t{block[4 * i + 3]};
    }
    for (int i = 16; i < 80; ++i) {
        w[i] = Rotate(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    }
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f = 0;
        uint32_t k = 0;
        if (i < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const uint32_t next = Rotate(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = Rotate(b, 30);
        b = a;
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
}

} // namespace

std::string Sha1Hex(std::string_view bytes) {
    std::array<uint32_t, 5> state = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t whole = bytes.size() / 64 * 64;
    for (size_t offset = 0; offset < whole; offset += 64) {
        Compress(state, data + offset);
    }
    // The tail, the 0x80 marker and the length in bits, big-endian, in one or two last blocks.
    unsigned char tail[128] = {};
    const size_t rest = bytes.size() - whole;
    for (size_t i = 0; i < rest; ++i) {
        tail[i] = data[whole + i];
    }
    tail[rest] = 0x80;
    const size_t tailSize = rest + 9 <= 64 ? 64 : 128;
    const uint64_t bits = static_cast<uint64_t>(bytes.size()) * 8;
    for (int i = 0; i < 8; ++i) {
        tail[tailSize - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    for (size_t offset = 0; offset < tailSize; offset += 64) {
        Compress(state, tail + offset);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (uint32_t word : state) {
        for (int shift = 28; shift >= 0; shift -= 4) {
            hex += kDigits[(word >> shift) & 0xF];
        }
    }
    return hex;
}

} // namespace gost31371
