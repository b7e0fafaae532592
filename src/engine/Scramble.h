#pragma once
#include <string>
#include <string_view>

// XORs every byte of the line with the key's bytes in turn; applying it
// twice with the same key gives the line back. The key must not be empty.
std::string ScrambleLine(std::string_view line, std::string_view key);

// The one-character key of the game's scrambled files, as a CP1251 byte.
inline constexpr char kScrambleKey[] = "\xA7";
