// SHA-1 (FIPS 180-4) for the identification of the calculation libraries; the Windows build asks
// CryptoAPI instead.
#include "platform/Platform.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "text/Utf.h"

namespace platform {
namespace {
uint32_t Rotate(uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

class Sha1 {
public:
    void Update(const uint8_t* data, size_t size) {
        length_ += size;
        while (size > 0) {
            const size_t take = std::min(size, sizeof block_ - used_);
            std::memcpy(block_ + used_, data, take);
            used_ += take;
            data += take;
            size -= take;
            if (used_ == sizeof block_) {
                Compress();
                used_ = 0;
            }
        }
    }

    Sha1Digest Finish() {
        const uint64_t bits = length_ * 8;
        const uint8_t pad = 0x80;
        Update(&pad, 1);
        const uint8_t zero = 0;
        while (used_ != 56) {
            Update(&zero, 1);
        }
        uint8_t tail[8];
        for (int i = 0; i < 8; ++i) {
            tail[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
        }
        Update(tail, 8);
        Sha1Digest digest{};
        for (int i = 0; i < 20; ++i) {
            digest[i] = static_cast<uint8_t>(state_[i / 4] >> (24 - 8 * (i % 4)));
        }
        return digest;
    }

private:
    void Compress() {
        uint32_t w[80];
        for (int i = 0; i < 16; ++i) {
            w[i] = (uint32_t(block_[4 * i]) << 24) | (uint32_t(block_[4 * i + 1]) << 16) |
                   (uint32_t(block_[4 * i + 2]) << 8) | uint32_t(block_[4 * i + 3]);
        }
        for (int i = 16; i < 80; ++i) {
            w[i] = Rotate(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        }
        uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
        for (int i = 0; i < 80; ++i) {
            uint32_t f = 0;
            uint32_t k = 0;
            if (i < 20) {
                f = (b & c) | (~b & d), k = 0x5A827999;
            } else if (i < 40) {
                f = b ^ c ^ d, k = 0x6ED9EBA1;
            } else if (i < 60) {
                f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
            } else {
                f = b ^ c ^ d, k = 0xCA62C1D6;
            }
            const uint32_t t = Rotate(a, 5) + f + e + k + w[i];
            e = d, d = c, c = Rotate(b, 30), b = a, a = t;
        }
        state_[0] += a, state_[1] += b, state_[2] += c, state_[3] += d, state_[4] += e;
    }

    uint32_t state_[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    uint8_t block_[64] = {};
    size_t used_ = 0;
    uint64_t length_ = 0;
};
} // namespace

Sha1Digest Sha1OfBytes(const void* data, size_t size) {
    Sha1 sha;
    sha.Update(static_cast<const uint8_t*>(data), size);
    return sha.Finish();
}

bool Sha1OfFile(std::u16string_view path, Sha1Digest& digest) {
    std::FILE* file = std::fopen(Utf16ToUtf8(path).c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    Sha1 sha;
    std::vector<uint8_t> buffer(1 << 16);
    size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        sha.Update(buffer.data(), read);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    if (ok) {
        digest = sha.Finish();
    }
    return ok;
}

} // namespace platform
