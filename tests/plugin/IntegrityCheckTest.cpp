// SHA-1 identification of the calculation libraries.
#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "plugin/IntegrityCheck.h"

namespace {

struct Sha1Case {
    std::string input;
    const char* digest;
};

// FIPS 180-2 Appendix A test vectors, and the empty message.
TEST(Sha1, MatchesThePublishedVectors) {
    const Sha1Case cases[] = {
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigestToHex(platform::Sha1OfBytes(c.input.data(), c.input.size())), c.digest)
            << c.input.substr(0, 20);
    }
}

TEST(Sha1, OfAMissingFileFails) {
    platform::Sha1Digest digest{};
    EXPECT_FALSE(platform::Sha1OfFile(u"/nonexistent/folder/none.dll", digest));
}

TEST(IntegrityCheck, TheLibrariesBuiltBesideTheTestsPass) {
    ASSERT_EQ(ExpectedLibraryDigests().size(), 3u) << "all three calculation libraries are recorded";
    for (const auto& digest : ExpectedLibraryDigests()) {
        EXPECT_EQ(std::string(digest.sha1Hex).size(), 40u);
    }
    EXPECT_EQ(FirstLibraryFailingIntegrity(CalculationLibraryFolder()), u"");
}

} // namespace
