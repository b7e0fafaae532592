#include "platform/Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Cp1251.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Quote characters, not one-letter literals: GCC 12 at -O3 warns falsely of an
// overlapping copy in "'" + std::string (-Wrestrict, GCC bug 105329).
std::string Quoted(std::string_view text) { return '\'' + std::string(text) + '\''; }

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0x0410 && c <= 0x042F) return c + 32;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ё, Є, І, Ї, Ў and the rest
  return c;
}

}  // namespace

bool TryStrToInt(std::string_view s, int32_t& value) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (base == 10) {
    const uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    if (magnitude > limit) return false;
  }
  const auto bits = static_cast<uint32_t>(negative ? (0 - magnitude) : magnitude);
  value = static_cast<int32_t>(bits);
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(Quoted(text) + " is not a valid integer value");
  return value;
}

bool TryStrToFloat(std::string_view s, double& value) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  if (b == e) return false;
  std::string text(s.substr(b, e - b));
  bool sawDigit = false;
  for (char& c : text) {
    if (c == ',') c = '.';
    if (c >= '0' && c <= '9') sawDigit = true;
    const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
    if (!allowed) return false;
  }
  if (!sawDigit) return false;
  // from_chars reads '.' whatever the process locale says (strtod would not),
  // but takes no leading '+'.
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') {
    ++first;
    if (first == last || *first == '+' || *first == '-') return false;
  }
  double v = 0;
  const auto [end, error] = std::from_chars(first, last, v, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(v)) return false;
  value = v;
  return true;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) throw EConvertError(Quoted(text) + " is not a valid floating point value");
  return value;
}

bool StrToBool(std::string_view text) {
  int32_t number = 0;
  if (TryStrToInt(text, number)) return number != 0;
  if (SameText(text, "True")) return true;
  if (SameText(text, "False")) return false;
  throw EConvertError(Quoted(text) + " is not a valid boolean value");
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string UIntToStr(uint32_t value) { return std::to_string(value); }

std::string TimeToStr(std::time_t when) {
  // The log asks for the same second many times over.
  thread_local std::time_t lastWhen = -1;
  thread_local std::string last;
  if (when == lastWhen && !last.empty()) return last;
  std::tm local{};
  localtime_r(&when, &local);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  lastWhen = when;
  last = buffer;
  return last;
}

bool SameText(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (FoldCase(DecodeUtf8(a, i)) != FoldCase(DecodeUtf8(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace platform
