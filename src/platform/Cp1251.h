#pragma once
// The Cyrillic Windows code page. The game keeps its texts in UTF-8; the
// files the game shares with its data tools ("config.pc", "skill.pc",
// "instruct.pf", "clublist.txt", the log) are CP1251 on disk.
#include <string>
#include <string_view>

namespace platform {

// Decodes CP1251 bytes into UTF-8. Every byte has a meaning except 0x98,
// which becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Encodes UTF-8 into CP1251. Characters the code page cannot hold (and
// malformed UTF-8) become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// True when the code point can be written in CP1251.
bool Cp1251CanHold(char32_t codePoint);

// UTF-8 helpers shared by the text controls.
std::string EncodeUtf8(char32_t codePoint);
// Decodes the code point at pos and advances pos; malformed input yields
// U+FFFD and advances by one byte.
char32_t DecodeUtf8(std::string_view text, size_t& pos);
// Number of code points.
size_t Utf8Length(std::string_view text);
// Byte offset of code point index (clamped to the text's end).
size_t Utf8Offset(std::string_view text, size_t index);

}  // namespace platform
