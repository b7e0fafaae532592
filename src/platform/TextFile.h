#pragma once
// Whole-file text reading and writing, byte for byte (no code page
// conversion). Lines end in CR LF on disk, as the game's files always did.
#include <string>
#include <vector>

namespace platform {

// Splits on CR LF, LF or a lone CR; false when the file cannot be read.
bool LoadLines(const std::string& path, std::vector<std::string>& lines);
// Writes every line followed by CR LF; false when the file cannot be written.
bool SaveLines(const std::string& path, const std::vector<std::string>& lines);
bool FileExists(const std::string& path);
bool DeleteFile(const std::string& path);

}  // namespace platform
