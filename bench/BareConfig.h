#pragma once
#include <string>

namespace bench {

// The configuration loading without the engine form: read, descramble, the
// plain copy, the INI reader, every key and its conversion.
void ParseConfiguration(const std::string& configPath, const std::string& plainCopy);

}  // namespace bench
