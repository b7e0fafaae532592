#pragma once
// Turns the readable data files (UTF-8, with comments) into the files the
// game reads: CP1251 text with CR LF line ends, and for the INI files every
// line scrambled. Nothing is written when a check fails; the error names the
// file and the line.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ConfigKeys.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/Cp1251.h"

namespace datapack {

struct Result {
  std::vector<std::string> lines;  // CP1251 bytes, one entry per output line
  std::string error;               // "file:line: what went wrong"; empty when packed
  bool ok() const { return error.empty(); }
};

namespace detail {

inline std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Splits on CR LF, LF or a lone CR; a break at the very end adds no line.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

inline std::string Hex(char32_t cp) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out = "U+";
  const int width = cp > 0xFFFF ? 6 : 4;
  for (int shift = (width - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(cp >> shift) & 0xF];
  return out;
}

inline std::string Describe(char32_t cp) {
  if (cp < 0x20 || cp == 0x7F) return "control character " + Hex(cp);
  return "character '" + platform::EncodeUtf8(cp) + "' (" + Hex(cp) + ")";
}

// Encodes one line of UTF-8 into CP1251; returns an error text, empty when
// every character fits.
inline std::string Encode(std::string_view line, std::string& out) {
  out.clear();
  for (size_t pos = 0; pos < line.size();) {
    const size_t at = pos;
    const char32_t cp = platform::DecodeUtf8(line, pos);
    if (cp == 0xFFFD && pos - at == 1) return "malformed UTF-8 (byte " + std::to_string(at + 1) + " of the line)";
    if ((cp < 0x20 && cp != '\t') || cp == 0x7F) return Describe(cp) + " in the text";
    if (!platform::Cp1251CanHold(cp)) return Describe(cp) + " cannot be written in CP1251";
    out += platform::Utf8ToCp1251(line.substr(at, pos - at));
  }
  return {};
}

// Scrambles an encoded line; returns an error text when a scrambled byte
// would be read back as a line break or end the line early.
inline std::string Scramble(const std::string& encoded, std::string& out) {
  out = ScrambleLine(encoded, kScrambleKey);
  for (size_t i = 0; i < out.size(); ++i) {
    const char b = out[i];
    if (b != '\r' && b != '\n' && b != '\0') continue;
    const std::string what = b == '\r' ? "a CR" : b == '\n' ? "an LF" : "a NUL";
    std::string shown = platform::Cp1251ToUtf8(encoded.substr(i, 1));
    size_t pos = 0;
    return Describe(platform::DecodeUtf8(shown, pos)) + " becomes " + what + " byte when scrambled";
  }
  return {};
}

inline std::string Where(std::string_view fileName, size_t lineNumber) {
  return std::string(fileName) + ":" + std::to_string(lineNumber) + ": ";
}

inline std::string CheckValue(std::string_view key, std::string_view value, ValueKind kind) {
  int32_t number = 0;
  switch (kind) {
    case ValueKind::kText:
      return {};
    case ValueKind::kNumber:
      if (platform::TryStrToInt(value, number)) return {};
      return "value '" + std::string(value) + "' of " + std::string(key) + " is not a whole number";
    case ValueKind::kNumberFlag:
      if (platform::TryStrToInt(value, number)) return {};
      return "value '" + std::string(value) + "' of " + std::string(key) +
             " must be a whole number (0 is no, anything else yes); True/False are not read here";
    case ValueKind::kFlag:
      try {
        platform::StrToBool(value);
        return {};
      } catch (const platform::EConvertError&) {
        return "value '" + std::string(value) + "' of " + std::string(key) + " is neither a number nor True/False";
      }
  }
  return {};
}

inline std::string_view WithoutBom(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

}  // namespace detail

// An INI file of one section: comment lines (';') and blank lines are
// dropped, every other line is checked, normalised to "[Section]" or
// "Key=Value", encoded and scrambled. With a key table, every key of the
// table must stand exactly once, no other key may stand, and each value must
// have its key's form; without one, any key may stand, but only once.
inline Result PackIni(std::string_view text, std::string_view fileName, std::string_view section,
                      std::span<const ConfigKey> keys = {}) {
  Result result;
  const std::vector<std::string_view> lines = detail::SplitLines(detail::WithoutBom(text));
  bool haveSection = false;
  std::vector<size_t> keyLine(keys.size(), 0);       // where each table key stood
  std::vector<std::pair<std::string, size_t>> seen;  // keys of a file without a table
  std::string encoded, scrambled;

  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t number = i + 1;
    const std::string where = detail::Where(fileName, number);
    const std::string_view line = detail::Trim(lines[i]);
    if (line.empty() || line.front() == ';') continue;

    std::string plain;
    if (line.front() == '[') {
      if (line.back() != ']') return {{}, where + "a section header must end with ']'"};
      const std::string_view name = detail::Trim(line.substr(1, line.size() - 2));
      if (haveSection) return {{}, where + "a second section [" + std::string(name) + "]; the file holds one section"};
      if (!platform::SameText(name, section)) {
        return {{}, where + "section [" + std::string(name) + "], expected [" + std::string(section) + "]"};
      }
      haveSection = true;
      // '[', not "[": GCC 12 at -O3 warns falsely of an overlapping copy in a
      // one-letter literal + std::string (-Wrestrict, GCC bug 105329).
      plain = '[' + std::string(section) + ']';
    } else {
      if (!haveSection) return {{}, where + "a line before the [" + std::string(section) + "] section"};
      const size_t eq = line.find('=');
      if (eq == std::string_view::npos) return {{}, where + "not a Key=Value line"};
      std::string_view key = detail::Trim(line.substr(0, eq));
      const std::string_view value = detail::Trim(line.substr(eq + 1));
      if (key.empty()) return {{}, where + "a value without a key"};
      if (!keys.empty()) {
        size_t k = 0;
        while (k < keys.size() && !platform::SameText(keys[k].name, key)) ++k;
        if (k == keys.size()) return {{}, where + "unknown key '" + std::string(key) + "'"};
        if (keyLine[k] != 0) {
          return {
              {},
              where + "key '" + std::string(keys[k].name) + "' already stands on line " + std::to_string(keyLine[k])};
        }
        keyLine[k] = number;
        if (std::string error = detail::CheckValue(keys[k].name, value, keys[k].kind); !error.empty()) {
          return {{}, where + error};
        }
        key = keys[k].name;  // the table's spelling
      } else {
        for (const auto& [name, at] : seen) {
          if (platform::SameText(name, key)) {
            return {{}, where + "key '" + std::string(key) + "' already stands on line " + std::to_string(at)};
          }
        }
        seen.emplace_back(std::string(key), number);
      }
      plain = std::string(key) + "=" + std::string(value);
    }

    if (std::string error = detail::Encode(plain, encoded); !error.empty()) return {{}, where + error};
    if (std::string error = detail::Scramble(encoded, scrambled); !error.empty()) return {{}, where + error};
    result.lines.push_back(scrambled);
  }

  if (!haveSection) return {{}, std::string(fileName) + ": no [" + std::string(section) + "] section"};
  std::string missing;
  for (size_t k = 0; k < keys.size(); ++k) {
    if (keyLine[k] == 0) missing += (missing.empty() ? "" : ", ") + std::string(keys[k].name);
  }
  if (!missing.empty()) return {{}, std::string(fileName) + ": missing key(s): " + missing};
  return result;
}

// A plain text: every line encoded as it stands (blank lines kept), not
// scrambled.
inline Result PackText(std::string_view text, std::string_view fileName) {
  Result result;
  const std::vector<std::string_view> lines = detail::SplitLines(detail::WithoutBom(text));
  std::string encoded;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (std::string error = detail::Encode(lines[i], encoded); !error.empty()) {
      return {{}, detail::Where(fileName, i + 1) + error};
    }
    result.lines.push_back(encoded);
  }
  return result;
}

}  // namespace datapack
