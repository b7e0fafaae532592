// The pictures and sounds drawn at build time: sizes the screens are laid out
// for, the three skin states, the colour key of the shaped windows, valid
// WAV files, an asset list that matches the files, and repeatable output.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <unistd.h>

#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ui/StringList.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(ZX_GAME_DIR) / "data";

std::vector<uint8_t> readBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t le32(const std::vector<uint8_t>& b, size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // top row first

  const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
  bool isKey(int x, int y) const {
    const uint8_t* p = at(x, y);
    return p[0] == 255 && p[1] == 0 && p[2] == 0;
  }
  double luma(int x0, int y0, int x1, int y1) const {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) sum += 0.299 * at(x, y)[0] + 0.587 * at(x, y)[1] + 0.114 * at(x, y)[2];
    return sum / ((x1 - x0) * (y1 - y0));
  }
};

struct JpegFailure {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

Picture decodeJpeg(const fs::path& path) {
  std::vector<uint8_t> bytes = readBytes(path);
  Picture pic;
  if (bytes.empty()) return pic;
  jpeg_decompress_struct cinfo;
  JpegFailure err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<JpegFailure*>(c->err)->jump, 1); };
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return Picture{};
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  pic.width = static_cast<int>(cinfo.output_width);
  pic.height = static_cast<int>(cinfo.output_height);
  pic.rgb.resize(static_cast<size_t>(pic.width) * pic.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &pic.rgb[static_cast<size_t>(cinfo.output_scanline) * pic.width * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return pic;
}

// Only the form the game ships: uncompressed 24-bit, bottom-up.
Picture decodeBmp(const fs::path& path) {
  std::vector<uint8_t> b = readBytes(path);
  Picture pic;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return pic;
  const uint32_t offset = le32(b, 10), width = le32(b, 18), height = le32(b, 22);
  if (le16(b, 28) != 24 || le32(b, 30) != 0 || static_cast<int32_t>(height) <= 0) return pic;
  const size_t stride = (width * 3 + 3) & ~size_t{3};
  if (b.size() < offset + stride * height || le32(b, 2) != b.size()) return pic;
  pic.width = static_cast<int>(width);
  pic.height = static_cast<int>(height);
  pic.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const uint8_t* s = &b[offset + (height - 1 - y) * stride + x * 3];
      uint8_t* d = &pic.rgb[(static_cast<size_t>(y) * width + x) * 3];
      d[0] = s[2], d[1] = s[1], d[2] = s[0];
    }
  return pic;
}

Picture decode(const fs::path& path) { return path.extension() == ".jpg" ? decodeJpeg(path) : decodeBmp(path); }

struct Family {
  const char* stem;
  int width, height;
};

// The sizes the screens are laid out for (button and caption positions).
const Family kFamilies[] = {{"menu", 220, 37}, {"farm", 275, 37}, {"main", 150, 37}, {"case", 150, 28}, {"mes", 70, 30},
                            {"ctrl", 230, 32}, {"bnk", 290, 32},  {"vk", 116, 44},   {"xt", 120, 32}};

TEST(ArtSkins, EveryFamilyHasThreeReadableStatesOfOneSize) {
  for (const Family& f : kFamilies) {
    SCOPED_TRACE(f.stem);
    Picture states[3];
    for (int s = 0; s < 3; ++s) {
      states[s] = decodeJpeg(kData / "buttons" / (std::string(f.stem) + "_" + std::to_string(s + 1) + ".jpg"));
      ASSERT_EQ(states[s].width, f.width) << "state " << s + 1;
      ASSERT_EQ(states[s].height, f.height) << "state " << s + 1;
    }
    // The captions are black: the middle of the face must stay light, and the
    // states must be told apart at a glance.
    auto face = [&](const Picture& p) { return p.luma(4, 4, p.width - 4, p.height - 4); };
    EXPECT_GT(face(states[0]), 140);
    EXPECT_GT(face(states[1]), face(states[0]) + 12) << "mouse over must be lighter";
    EXPECT_LT(face(states[2]), face(states[0]) - 8) << "pressed must be darker";
    EXPECT_GT(face(states[2]), 95);
  }
}

TEST(ArtSkins, QuickButtonsHaveThreeDistinctStates) {
  for (const char* stem : {"qs", "ql", "qe"}) {
    SCOPED_TRACE(stem);
    std::vector<uint8_t> previous;
    for (int s = 1; s <= 3; ++s) {
      fs::path p = kData / "buttons" / (std::string(stem) + "_" + std::to_string(s) + ".bmp");
      Picture pic = decodeBmp(p);
      EXPECT_EQ(pic.width, 32);
      EXPECT_EQ(pic.height, 32);
      EXPECT_NE(pic.rgb, previous) << "state " << s << " looks like the one before";
      previous = pic.rgb;
    }
  }
}

TEST(ArtPictures, HaveTheSizesOfTheirControls) {
  struct Expected {
    const char* name;
    int width, height;
  } const expected[] = {
      {"zenx.jpg", 756, 566},        {"high.bmp", 25, 25},          {"good.bmp", 25, 25},
      {"middle.bmp", 25, 25},        {"bad.bmp", 25, 25},           {"menu_ico.bmp", 17, 18},
      {"form1_logo.jpg", 260, 49},   {"infor_logo.jpg", 313, 105},  {"mes_image1.bmp", 429, 159},
      {"mes_image2.bmp", 32, 32},    {"mess_image1.bmp", 430, 159}, {"mess_image2.bmp", 32, 32},
      {"ques_fon.bmp", 430, 160},    {"skills_y.bmp", 19, 17},      {"skills_n.bmp", 19, 17},
      {"teach_lev_y.bmp", 20, 20},   {"teach_lev_n.bmp", 20, 20},   {"comp_internet.bmp", 32, 32},
      {"comp_hard.bmp", 32, 32},     {"apteka_hard.jpg", 275, 37},  {"apteka_low.jpg", 275, 37},
      {"ssoft_unknown.bmp", 96, 72}, {"ssoft_os.bmp", 96, 72},
  };
  for (const Expected& e : expected) {
    Picture pic = decode(kData / "images" / e.name);
    EXPECT_EQ(pic.width, e.width) << e.name;
    EXPECT_EQ(pic.height, e.height) << e.name;
  }
  for (int i = 1; i <= 11; ++i) {
    Picture pic = decodeBmp(kData / "images" / ("inclub_f" + std::to_string(i) + ".bmp"));
    EXPECT_EQ(pic.width, 48) << i;
    EXPECT_EQ(pic.height, 48) << i;
  }
}

TEST(ArtShapedWindows, PureRedOnlyWhereTheWindowIsOpen) {
  for (const char* name : {"mes_image1.bmp", "mess_image1.bmp", "ques_fon.bmp"}) {
    SCOPED_TRACE(name);
    Picture pic = decodeBmp(kData / "images" / name);
    ASSERT_GT(pic.width, 0);
    const int w = pic.width, h = pic.height;
    EXPECT_TRUE(pic.isKey(0, 0) && pic.isKey(w - 1, 0) && pic.isKey(0, h - 1) && pic.isKey(w - 1, h - 1));
    EXPECT_TRUE(pic.isKey(20, 5)) << "above the panel, beside the title tab";
    EXPECT_FALSE(pic.isKey(w / 2, 2)) << "the title tab";
    // The key lies only in the margin: none inside the panel where the
    // texts, the icon and the buttons are.
    int inside = 0, outside = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (!pic.isKey(x, y)) continue;
        bool inPanel = x >= 6 && x < w - 6 && y >= 24 && y < h - 6;
        ++(inPanel ? inside : outside);
      }
    EXPECT_EQ(inside, 0);
    EXPECT_GT(outside, 500);
  }
  for (const char* name : {"mes_image2.bmp", "mess_image2.bmp"}) {
    Picture pic = decodeBmp(kData / "images" / name);
    ASSERT_GT(pic.width, 0) << name;
    for (int y = 0; y < pic.height; ++y)
      for (int x = 0; x < pic.width; ++x) ASSERT_FALSE(pic.isKey(x, y)) << name << " would punch a hole";
  }
}

TEST(ArtSounds, AreShortCleanPcmWaves) {
  struct Expected {
    const char* name;
    int minMs, maxMs;
  } const expected[] = {{"click.wav", 30, 100},   {"close.wav", 100, 250}, {"mes.wav", 300, 600},
                        {"dtmf0.wav", 100, 250},  {"dtmf5.wav", 100, 250}, {"busy.wav", 700, 2200},
                        {"modem.wav", 1000, 2500}};
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    std::vector<uint8_t> b = readBytes(kData / "sounds" / e.name);
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1u) << "PCM";
    EXPECT_EQ(le16(b, 22), 1u) << "mono";
    const uint32_t rate = le32(b, 24);
    EXPECT_EQ(le16(b, 34), 16u);
    EXPECT_EQ(le32(b, 28), rate * 2);
    EXPECT_EQ(le16(b, 32), 2u);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    const uint32_t dataSize = le32(b, 40);
    ASSERT_EQ(dataSize, b.size() - 44);
    ASSERT_GT(rate, 0u);
    const double ms = dataSize / 2 * 1000.0 / rate;
    EXPECT_GE(ms, e.minMs);
    EXPECT_LE(ms, e.maxMs);
    int peak = 0;
    for (size_t i = 44; i + 1 < b.size(); i += 2) peak = std::max(peak, std::abs(static_cast<int16_t>(le16(b, i))));
    EXPECT_GT(peak, 6000) << "audible";
    EXPECT_LT(peak, 32000) << "not clipped";
    EXPECT_LT(std::abs(static_cast<int16_t>(le16(b, 44))), 800) << "starts without a pop";
    EXPECT_LT(std::abs(static_cast<int16_t>(le16(b, b.size() - 2))), 800) << "ends without a pop";
  }
}

TEST(ArtMusic, TheClubListNamesAFewDanceTracksOfTwentyToSixtySeconds) {
  ui::StringList list;
  list.LoadFromFile((kData / "music" / "clublist.txt").string());
  list.SetCommaText(list.Text());
  ASSERT_GE(list.Count(), 3);
  uintmax_t total = 0;
  for (const std::string& name : list.Items()) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> b = readBytes(kData / "music" / name);
    ASSERT_GE(b.size(), 44u);
    total += b.size();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le16(b, 20), 1u) << "PCM";
    EXPECT_EQ(le16(b, 34), 16u);
    const double seconds = (b.size() - 44) / 2.0 / le32(b, 24);
    EXPECT_GE(seconds, 20);
    EXPECT_LE(seconds, 60);
    int peak = 0;
    for (size_t i = 44; i + 1 < b.size(); i += 2) peak = std::max(peak, std::abs(static_cast<int16_t>(le16(b, i))));
    EXPECT_GT(peak, 6000) << "audible";
    EXPECT_LT(peak, 32000) << "not clipped";
  }
  EXPECT_LT(total, 6u << 20) << "small on disk";
  EXPECT_TRUE(std::find(list.Items().begin(), list.Items().end(), "diablo groove.wav") != list.Items().end())
      << "a quoted name keeps its blank";
}

// The strength of one frequency in a wave's samples (Goertzel's filter).
double Strength(const std::vector<uint8_t>& wav, double freq) {
  const double rate = le32(wav, 24);
  const double coeff = 2 * std::cos(2 * M_PI * freq / rate);
  double s1 = 0, s2 = 0;
  for (size_t i = 44; i + 1 < wav.size(); i += 2) {
    const double s0 = static_cast<int16_t>(le16(wav, i)) + coeff * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return std::sqrt(s1 * s1 + s2 * s2 - coeff * s1 * s2);
}

TEST(ArtSounds, EachKeyOfTheDialPadSoundsItsOwnTwoTones) {
  // The telephone keypad: rows 697, 770, 852, 941 Hz; columns 1209, 1336, 1477 Hz.
  const double rows[4] = {697, 770, 852, 941};
  const double columns[3] = {1209, 1336, 1477};
  for (int digit = 0; digit <= 9; ++digit) {
    SCOPED_TRACE(digit);
    const std::vector<uint8_t> wav = readBytes(kData / "sounds" / ("dtmf" + std::to_string(digit) + ".wav"));
    ASSERT_GT(wav.size(), 44u);
    const int place = digit == 0 ? 10 : digit - 1;
    for (int r = 0; r < 4; ++r) {
      if (r != place / 3) {
        EXPECT_GT(Strength(wav, rows[place / 3]), 10 * Strength(wav, rows[r]));
      }
    }
    for (int c = 0; c < 3; ++c) {
      if (c != place % 3) {
        EXPECT_GT(Strength(wav, columns[place % 3]), 10 * Strength(wav, columns[c]));
      }
    }
  }
}

std::set<std::string> filesIn(const fs::path& dataDir) {
  std::set<std::string> names;
  for (const char* folder : {"buttons", "images", "sounds", "music"})
    if (fs::is_directory(dataDir / folder))
      for (const auto& entry : fs::directory_iterator(dataDir / folder))
        if (entry.is_regular_file()) names.insert(std::string(folder) + "/" + entry.path().filename().string());
  return names;
}

// Runs the generator once more, into a folder of its own.
class ArtGenerator : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const fs::path generator = fs::path(ZX_GAME_DIR).parent_path() / "tools" / "zx_artgen";
    out_ = fs::temp_directory_path() / ("zx_artgen_test_" + std::to_string(getpid()));
    fs::remove_all(out_);
    // '"', not "\"": GCC 12 at -O3 warns falsely of an overlapping copy in a
    // one-letter literal + std::string (-Wrestrict, GCC bug 105329).
    const std::string command = '"' + generator.string() + "\" \"" + out_.string() + "\" > /dev/null";
    status_ = fs::exists(generator) ? std::system(command.c_str()) : -1;
    files_ = filesIn(out_);
  }
  static void TearDownTestSuite() { fs::remove_all(out_); }

  static fs::path out_;
  static int status_;
  static std::set<std::string> files_;
};
fs::path ArtGenerator::out_;
int ArtGenerator::status_ = -1;
std::set<std::string> ArtGenerator::files_;

TEST_F(ArtGenerator, DrawsTheSameBytesOnEveryRun) {
  ASSERT_EQ(status_, 0);
  EXPECT_GT(files_.size(), 60u);
  for (const std::string& name : files_) EXPECT_EQ(readBytes(out_ / name), readBytes(kData / name)) << name;
}

TEST_F(ArtGenerator, AssetListNamesEveryFileAndNothingElse) {
  ASSERT_EQ(status_, 0);
  const fs::path list = fs::path(ZX_SOURCE_DIR) / "data" / "ASSETS.md";
  std::ifstream in(list);
  ASSERT_TRUE(in) << list;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::set<std::string> listed;
  std::regex name(R"(`((?:buttons|images|sounds)/[A-Za-z0-9_]+\.(?:jpg|bmp|wav)|music/[A-Za-z0-9_ ]+\.(?:wav|txt))`)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), name); it != std::sregex_iterator(); ++it)
    listed.insert((*it)[1].str());
  EXPECT_EQ(listed, files_);
}

}  // namespace
