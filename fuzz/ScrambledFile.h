#pragma once
// What the fuzzers of the scrambled data files share: the input written as
// the data packer writes a file, each line scrambled, the line ends as they are.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/Scramble.h"

inline void WriteScrambled(const std::string& path, const uint8_t* data, size_t size) {
  std::string file;
  file.reserve(size);
  size_t start = 0;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == '\n') {
      file += ScrambleLine(std::string_view(reinterpret_cast<const char*>(data) + start, i - start), kScrambleKey);
      if (i < size) file += '\n';
      start = i + 1;
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
}
