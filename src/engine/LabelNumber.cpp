#include "engine/LabelNumber.h"

#include <algorithm>
#include <cmath>

#include "platform/Conversions.h"

namespace labels {

int32_t AmountOf(std::string_view text) {
  const double value = std::trunc(platform::StrToFloat(text));
  // Beyond 64 bits the truncation has no defined result: such a label is
  // refused like any other text that is not an amount.
  if (!(value > -9223372036854775808.0 && value < 9223372036854775808.0)) {
    throw platform::EConvertError("'" + std::string(text) + "' is not a valid integer value");
  }
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
}

int32_t ReadAmount(const ui::Label* label) { return AmountOf(label->Caption()); }

int32_t CountOf(std::string_view text) {
  int32_t value = 0;
  if (platform::TryStrToInt(text, value)) return value;
  if (!text.empty() && text.size() <= 10 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const uint64_t big = std::stoull(std::string(text));
    if (big <= 0xFFFFFFFFull) return static_cast<int32_t>(static_cast<uint32_t>(big));
  }
  return platform::StrToInt(text);
}

int32_t ReadCount(const ui::Label* label) { return CountOf(label->Caption()); }

bool TryReadAmount(const ui::Label* label, int32_t& value) {
  try {
    value = ReadAmount(label);
    return true;
  } catch (const platform::EConvertError&) {
    return false;
  }
}

bool TryReadCount(const ui::Label* label, int32_t& value) {
  try {
    value = ReadCount(label);
    return true;
  } catch (const platform::EConvertError&) {
    return false;
  }
}

std::string Unsigned(int32_t value) { return platform::UIntToStr(static_cast<uint32_t>(value)); }

}  // namespace labels
