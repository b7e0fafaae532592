#pragma once
// The keys of "config.pc" in the order the engine reads them, each with the
// form its value must have.
#include <array>
#include <string_view>

#include "engine/ConfigKeys.h"

namespace datapack {

enum class ValueKind {
  kNumber,      // a decimal integer, sign allowed
  kFlag,        // an integer (0 false, anything else true) or True/False
  kNumberFlag,  // an integer only: stored as a flag, but read as a number
  kText,        // anything after the '=', may be empty
};

struct ConfigKey {
  std::string_view name;
  ValueKind kind;
};

inline constexpr auto kNumber = ValueKind::kNumber;
inline constexpr auto kFlag = ValueKind::kFlag;
inline constexpr auto kNumberFlag = ValueKind::kNumberFlag;
inline constexpr auto kText = ValueKind::kText;

#define ZX_PACK_KEY(name, kind) ConfigKey{#name, ValueKind::k##kind},
#define ZX_PACK_STEP(step)
inline constexpr std::array<ConfigKey, 180> kConfigKeys = {ZX_CONFIG_KEYS(ZX_PACK_KEY, ZX_PACK_STEP)};
#undef ZX_PACK_KEY
#undef ZX_PACK_STEP

}  // namespace datapack
