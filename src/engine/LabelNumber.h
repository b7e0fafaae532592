#pragma once
// The game screen's number labels are the master copy of money, mood,
// health, experience and the date: a rule reads the label, changes the value
// and writes the label back. This is the one reading and writing of them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Label.h"

namespace labels {

// Money and experience: decimal text with an optional fraction ('.' or ','),
// truncated toward zero and kept as 32 bits, so that an amount the rules wrote
// unsigned comes back as the same value. Text that is not a number, or one too
// large for any count, raises platform::EConvertError.
int32_t AmountOf(std::string_view text);
int32_t ReadAmount(const ui::Label* label);

// Mood, health, the day and the year: a whole number as the integer
// conversion reads it, or plain digits above the signed range up to 2^32 - 1
// (a wrapped value written unsigned). Anything else raises
// platform::EConvertError.
int32_t CountOf(std::string_view text);
int32_t ReadCount(const ui::Label* label);

// The same two readings for rules that go on without the number: false,
// and `value` untouched, where the reading above would raise.
bool TryReadAmount(const ui::Label* label, int32_t& value);
bool TryReadCount(const ui::Label* label, int32_t& value);

// A 32-bit value as the labels show it: unsigned decimal text.
std::string Unsigned(int32_t value);

}  // namespace labels
