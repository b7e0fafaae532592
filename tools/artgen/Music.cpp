#include "Music.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "Image.h"
#include "Writers.h"

namespace artgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double noteHz(int semitonesAboveA2) { return 110.0 * std::pow(2.0, semitonesAboveA2 / 12.0); }

class Mix {
 public:
  explicit Mix(double seconds) : s_(static_cast<size_t>(seconds * kMusicRate), 0.0f) {}
  std::vector<float>& samples() { return s_; }

  // Adds voice(t) for t in [0, length) starting at `at` seconds.
  template <typename Voice>
  void add(double at, double length, Voice voice) {
    const auto first = static_cast<size_t>(std::max(0.0, at) * kMusicRate);
    const auto last = std::min(s_.size(), static_cast<size_t>((at + length) * kMusicRate));
    for (size_t i = first; i < last; ++i) {
      const double t = static_cast<double>(i) / kMusicRate - at;
      s_[i] += static_cast<float>(voice(t));
    }
  }

 private:
  std::vector<float> s_;
};

double kick(double t) {
  const double phase = kTwoPi * (45.0 * t + 75.0 * 0.03 * (1.0 - std::exp(-t / 0.03)));
  return 0.9 * std::sin(phase) * std::exp(-t / 0.22) * std::min(1.0, t / 0.001);
}

double saw(double phase) { return 2.0 * (phase - std::floor(phase + 0.5)); }
double square(double phase) { return phase - std::floor(phase) < 0.5 ? 1.0 : -1.0; }
double triangle(double phase) { return 1.0 - 4.0 * std::fabs(phase - std::floor(phase + 0.5)); }

}  // namespace

std::vector<float> synthTrack(const TrackStyle& style) {
  Mix mix(style.seconds);
  Rng rng(style.seed);
  // Noise tables for the claps and hats, the same every run.
  std::vector<float> noise(kMusicRate / 4);
  for (float& n : noise) n = rng.range(-1.0f, 1.0f);
  auto noiseAt = [&noise](double t) { return noise[static_cast<size_t>(t * kMusicRate) % noise.size()]; };

  const double beat = 60.0 / style.bpm;
  const double bar = 4 * beat;
  const int bars = static_cast<int>(std::ceil(style.seconds / bar));
  for (int b = 0; b < bars; ++b) {
    const double barStart = b * bar;
    const int chord = b % 4;
    const int root = style.key + style.progression[chord];
    const int third = root + (style.minorChords[chord] ? 3 : 4);
    const int fifth = root + 7;
    // Sections: intro of drums, then everything, a breakdown of pad and
    // arpeggio every fourth group of four bars, drums again at the end.
    const int group = b / 4;
    const bool intro = b < 2;
    const bool breakdown = group % 4 == 2;
    const bool outro = barStart > style.seconds - bar;
    const bool drums = !breakdown;
    const bool bass = !intro && !outro;
    const bool pad = !intro;
    const bool arp = group >= 1 && !outro;

    for (int q = 0; q < 4; ++q) {
      const double at = barStart + q * beat;
      if (drums) mix.add(at, 0.5, kick);
      if (drums && !intro && (q == 1 || q == 3)) {
        mix.add(at, 0.2, [&](double t) { return 0.35 * noiseAt(t) * std::exp(-t / 0.06); });
      }
      if (drums) {
        // The off-beat hat: noise with its low part taken away.
        mix.add(at + beat / 2, 0.06,
                [&](double t) { return 0.16 * (noiseAt(t) - noiseAt(t + 1.0 / kMusicRate)) * std::exp(-t / 0.018); });
      }
    }
    if (bass) {
      for (int e = 0; e < 8; ++e) {
        const double hz = noteHz(root - 12 + (e % 2 == 1 ? 12 : 0));
        mix.add(barStart + e * beat / 2, beat / 2, [hz, beat](double t) {
          const double env = std::min(1.0, t / 0.004) * std::exp(-t / (beat * 0.35));
          return 0.28 * env * (0.7 * square(hz * t) + 0.3 * std::sin(kTwoPi * hz * t));
        });
      }
    }
    if (pad) {
      for (int note : {root + 12, third + 12, fifth + 12}) {
        const double hz = noteHz(note);
        mix.add(barStart, bar, [hz, bar](double t) {
          const double env = std::min(1.0, t / 0.25) * std::min(1.0, (bar - t) / 0.2);
          return 0.045 * env * (saw(hz * t) + saw(hz * 1.004 * t));
        });
      }
    }
    if (arp) {
      const int tones[4] = {root + 24, third + 24, fifth + 24, third + 24};
      for (int s = 0; s < 16; ++s) {
        const double hz = noteHz(tones[(s + b) % 4] + (s >= 8 ? 12 : 0));
        mix.add(barStart + s * beat / 4, beat / 4, [hz](double t) {
          const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.07);
          return 0.09 * env * triangle(hz * t);
        });
      }
    }
  }

  std::vector<float>& s = mix.samples();
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  const float gain = peak > 0 ? 0.8f / peak : 1.0f;
  const size_t fade = kMusicRate * 2;
  for (size_t i = 0; i < s.size(); ++i) {
    float f = gain;
    if (i < fade / 4) f *= static_cast<float>(i) / (fade / 4);
    if (i + fade > s.size()) f *= static_cast<float>(s.size() - i) / fade;
    s[i] *= f;
  }
  return s;
}

std::vector<std::string> writeMusic(const std::string& folder) {
  // One track shorter than half a minute, one between 31 and 36 seconds and
  // one longer, so that every bonus of the disco can be heard to the end.
  const TrackStyle tracks[] = {
      {"neon.wav", 22.0, 124.0, 0, {0, -4, 3, -2}, {true, false, false, false}, 0xD15C0},
      {"diablo groove.wav", 33.0, 118.0, 5, {0, 5, -2, 3}, {true, true, false, false}, 0xD1AB0},
      {"midnight.wav", 41.0, 128.0, -2, {0, 3, 5, 7}, {false, false, true, false}, 0x3D17E},
  };
  std::vector<std::string> written;
  for (const TrackStyle& track : tracks) {
    writeWav(synthTrack(track), kMusicRate, folder + "/" + track.file);
    written.emplace_back(track.file);
  }
  // The list in its own format: a comma or blanks between entries, a name
  // with a blank in double quotes.
  const std::string list = "neon.wav, \"diablo groove.wav\"\r\nmidnight.wav\r\n";
  std::ofstream out(folder + "/clublist.txt", std::ios::binary);
  out << list;
  if (!out) throw std::runtime_error("cannot write " + folder + "/clublist.txt");
  written.emplace_back("clublist.txt");
  return written;
}

}  // namespace artgen
