#pragma once
// Text-to-number conversions with the behaviour the game's rules rely on:
// each raises EConvertError with the class library's wording on failure.
#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Signed 32-bit integer: leading blanks, an optional sign, decimal digits or
// a hexadecimal number written "$1F" or "0x1F". Anything else fails.
int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int32_t& value);

// Floating-point number with '.' or ',' as the decimal separator, optional
// exponent; surrounding blanks allowed.
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);

// An integer (0 is false, anything else true) or "True"/"False" in any case.
bool StrToBool(std::string_view text);

std::string IntToStr(int64_t value);
// Shows a 32-bit engine value as unsigned decimal text.
std::string UIntToStr(uint32_t value);

// The long time format of the game's log: "H:mm:ss".
std::string TimeToStr(std::time_t when);

// Case-insensitive comparison for the ASCII and Russian letters of UTF-8 text.
bool SameText(std::string_view a, std::string_view b);

}  // namespace platform
