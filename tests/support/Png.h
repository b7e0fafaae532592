#pragma once
// A small PNG writer for test pictures (uncompressed deflate blocks).
#include <string>

#include "ui/Bitmap.h"

namespace testing_support {
bool WritePng(const ui::Bitmap& bitmap, const std::string& path);
}
