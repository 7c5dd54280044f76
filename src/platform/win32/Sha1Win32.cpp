// SHA-1 through CryptoAPI, as Windows itself computes it for the identification of the libraries.
#include "platform/Platform.h"

#include <windows.h>
// wincrypt.h needs the types of windows.h.
#include <wincrypt.h>

#include <vector>

namespace platform {
namespace {
class HashSession {
public:
    HashSession() {
        if (CryptAcquireContextW(&provider_, nullptr, nullptr, PROV_RSA_FULL,
                                 CRYPT_VERIFYCONTEXT | CRYPT_SILENT) &&
            !CryptCreateHash(provider_, CALG_SHA1, 0, 0, &hash_)) {
            hash_ = 0;
        }
    }
    ~HashSession() {
        if (hash_ != 0) {
            CryptDestroyHash(hash_);
        }
        if (provider_ != 0) {
            CryptReleaseContext(provider_, 0);
        }
    }
    HashSession(const HashSession&) = delete;
    HashSession& operator=(const HashSession&) = delete;

    bool Update(const void* data, size_t size) {
        return hash_ != 0 &&
               CryptHashData(hash_, static_cast<const BYTE*>(data), static_cast<DWORD>(size), 0);
    }
    bool Finish(Sha1Digest& digest) {
        DWORD length = static_cast<DWORD>(digest.size());
        return hash_ != 0 && CryptGetHashParam(hash_, HP_HASHVAL, digest.data(), &length, 0) && length == 20;
    }

private:
    HCRYPTPROV provider_ = 0;
    HCRYPTHASH hash_ = 0;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};
} // namespace

Sha1Digest Sha1OfBytes(const void* data, size_t size) {
    Sha1Digest digest{};
    HashSession session;
    if (!session.Update(data, size) || !session.Finish(digest)) {
        digest.fill(0);
    }
    return digest;
}

bool Sha1OfFile(std::u16string_view path, Sha1Digest& digest) {
    const std::u16string copy(path);
    FileHandle file(CreateFileW(reinterpret_cast<const wchar_t*>(copy.c_str()), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    HashSession session;
    std::vector<BYTE> buffer(1 << 16);
    DWORD read = 0;
    while (ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
           read > 0) {
        if (!session.Update(buffer.data(), read)) {
            return false;
        }
    }
    return session.Finish(digest);
}

} // namespace platform
