// Draws every picture and synthesises every sound the game ships, into the
// data folder given on the command line. The output depends on nothing but
// this program and the fonts, so two runs give the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Art.h"
#include "Music.h"
#include "Sounds.h"
#include "Text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
    return 2;
  }
  const std::string dataDir = argv[1];
  try {
    artgen::Output out(dataDir);
    artgen::writeButtonSkins(out);
    artgen::writeQuickButtons(out);
    artgen::writeGameScreen(out);
    artgen::writeLogos(out);
    artgen::writeMessageWindows(out);
    artgen::writeSmallPictures(out);
    std::filesystem::create_directories(dataDir + "/sounds");
    auto sounds = artgen::writeSounds(dataDir + "/sounds");
    std::filesystem::create_directories(dataDir + "/music");
    auto music = artgen::writeMusic(dataDir + "/music");
    artgen::shutdownText();
    std::printf("artgen: %zu pictures, %zu sounds and %zu music files in %s\n", out.written().size(), sounds.size(),
                music.size(), dataDir.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
