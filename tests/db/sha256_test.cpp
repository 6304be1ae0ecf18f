#include "sha256.h"

#include <gtest/gtest.h>

#include "edb_schema.h"

namespace bazi::db {
namespace {

struct Vector {
  size_t length;  // of a run of 'a'
  const char* hex;
};

// Lengths around the 55/56 and 64 byte edges, where the padding needs one or
// two final blocks.
constexpr Vector kRunsOfA[] = {
    {0, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {3, "9834876dcfb05cb167a5c24953eba58c4ac89b1adf57f28f2f9d09af107ee8f0"},
    {55, "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
    {56, "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
    {63, "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
    {64, "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
    {65, "635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0"},
    {119, "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb"},
    {120, "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c"},
    {1000000, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
};

TEST(Sha256, MatchesKnownDigests) {
  EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  for (const Vector& v : kRunsOfA) {
    EXPECT_EQ(sha256Hex(std::string(v.length, 'a')), v.hex) << v.length << " bytes";
  }
}

TEST(PasswordHash, IsTheDigestOfSaltThenPassword) {
  // printf '%s' saltQarelPindoVext | sha256sum
  EXPECT_EQ(passwordHash("salt", "QarelPindoVext"),
            "2261bbdb442bc40ab304126654b38de704e2b79098a6939b25833080aaef91f5");
  EXPECT_NE(passwordHash("salt", "QarelPindoVext"), passwordHash("tlas", "QarelPindoVext"));
  EXPECT_EQ(randomSalt().size(), 32u);
  EXPECT_NE(randomSalt(), randomSalt());
}

}  // namespace
}  // namespace bazi::db
