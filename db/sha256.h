#pragma once
// SHA-256 (FIPS 180-4), for the password gate of chart databases. Small and
// self-contained so the engine needs no crypto library for one hash.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bazi::db {

using Sha256Digest = std::array<uint8_t, 32>;

Sha256Digest sha256(std::string_view bytes);

// Lower-case hex of the digest, 64 characters.
std::string sha256Hex(std::string_view bytes);

}  // namespace bazi::db
