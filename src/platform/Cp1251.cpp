#include "platform/Cp1251.h"

#include <array>

namespace platform {
namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

int EncodeOne(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(cp - 0x0410 + 0xC0);
  for (size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp && cp != 0xFFFD) return static_cast<int>(0x80 + i);
  }
  return -1;
}

}  // namespace

std::string EncodeUtf8(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

char32_t DecodeUtf8(std::string_view s, size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + static_cast<size_t>(extra) >= s.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return 0xFFFD;
  }
  pos += extra + 1;
  return cp;
}

size_t Utf8Length(std::string_view text) {
  size_t n = 0;
  for (size_t pos = 0; pos < text.size(); ++n) DecodeUtf8(text, pos);
  return n;
}

size_t Utf8Offset(std::string_view text, size_t index) {
  size_t pos = 0;
  for (size_t i = 0; i < index && pos < text.size(); ++i) DecodeUtf8(text, pos);
  return pos;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else if (b >= 0xC0) {
      out += EncodeUtf8(0x0410 + (b - 0xC0));
    } else {
      out += EncodeUtf8(kHigh[b - 0x80]);
    }
  }
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out(utf8.size(), '\0');
  char* dst = out.data();
  const auto* src = reinterpret_cast<const unsigned char*>(utf8.data());
  const size_t size = utf8.size();
  for (size_t pos = 0; pos < size;) {
    const unsigned char b0 = src[pos];
    if (b0 < 0x80) {
      *dst++ = static_cast<char>(b0);
      ++pos;
      continue;
    }
    // Most of the game's text: the Cyrillic letters А..я, two bytes each.
    if ((b0 == 0xD0 || b0 == 0xD1) && pos + 1 < size && (src[pos + 1] & 0xC0) == 0x80) {
      const char32_t cp = (char32_t(b0 & 0x1F) << 6) | (src[pos + 1] & 0x3F);
      if (cp >= 0x0410 && cp <= 0x044F) {
        *dst++ = static_cast<char>(cp - 0x0410 + 0xC0);
        pos += 2;
        continue;
      }
    }
    const int b = EncodeOne(DecodeUtf8(utf8, pos));
    *dst++ = b < 0 ? '?' : static_cast<char>(b);
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  return out;
}

bool Cp1251CanHold(char32_t cp) { return EncodeOne(cp) >= 0; }

}  // namespace platform
