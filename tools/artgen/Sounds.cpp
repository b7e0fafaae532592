#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "Image.h"
#include "Writers.h"

namespace artgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

// Short linear ramps at both ends keep the waveform from starting or stopping
// on a step, which would be heard as a pop.
void fadeEnds(std::vector<float>& s, double inSeconds, double outSeconds) {
  int in = samplesFor(inSeconds), out = samplesFor(outSeconds);
  for (int i = 0; i < in && i < static_cast<int>(s.size()); ++i) s[i] *= static_cast<float>(i) / in;
  for (int i = 0; i < out && i < static_cast<int>(s.size()); ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

void normalise(std::vector<float>& s, float peak) {
  float m = 0;
  for (float v : s) m = std::max(m, std::fabs(v));
  if (m > 0)
    for (float& v : s) v *= peak / m;
}

// A bell-like note: a few partials, the higher ones dying faster.
double bell(double t, double freq, double decay) {
  if (t < 0) return 0;
  double attack = std::min(1.0, t / 0.002);
  return attack * (1.00 * std::sin(kTwoPi * freq * t) * std::exp(-t / decay) +
                   0.35 * std::sin(kTwoPi * freq * 2.0 * t) * std::exp(-t / (decay * 0.55)) +
                   0.12 * std::sin(kTwoPi * freq * 3.0 * t) * std::exp(-t / (decay * 0.35)) +
                   0.06 * std::sin(kTwoPi * freq * 4.17 * t) * std::exp(-t / (decay * 0.2)));
}

}  // namespace

std::vector<float> synthClick() {
  std::vector<float> s(samplesFor(0.060));
  Rng rng(0xC11C);
  double lowpass = 0, prev = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    // A bright tick on top of a small wooden knock.
    double tick = 0.55 * std::sin(kTwoPi * 2350.0 * t) * std::exp(-t / 0.0045) +
                  0.25 * std::sin(kTwoPi * 3900.0 * t) * std::exp(-t / 0.0025);
    double knock = 0.35 * std::sin(kTwoPi * (240.0 + 400.0 * std::exp(-t / 0.004)) * t) * std::exp(-t / 0.008);
    double white = rng.range(-1.0f, 1.0f);
    lowpass += 0.35 * (white - lowpass);
    double noise = (lowpass - prev) * 0.9 * std::exp(-t / 0.0018);
    prev = lowpass;
    s[i] = static_cast<float>(tick + knock + noise);
  }
  normalise(s, 0.70f);
  fadeEnds(s, 0.0004, 0.006);
  return s;
}

std::vector<float> synthClose() {
  const double length = 0.150;
  std::vector<float> s(samplesFor(length));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double freq = 880.0 * std::pow(0.5, t / length * 1.1);  // a little over an octave down
    phase += kTwoPi * freq / kSampleRate;
    double env = std::min(1.0, t / 0.004) * std::pow(1.0 - t / length, 1.6);
    double tone = std::sin(phase) + 0.22 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase);
    s[i] = static_cast<float>(env * tone);
  }
  normalise(s, 0.55f);
  fadeEnds(s, 0.001, 0.004);
  return s;
}

std::vector<float> synthChime() {
  std::vector<float> s(samplesFor(0.400));
  const double first = 1318.51;   // E6
  const double second = 1046.50;  // C6, a major third below
  const double gap = 0.140;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    s[i] = static_cast<float>(0.85 * bell(t, first, 0.11) + 1.0 * bell(t - gap, second, 0.14));
  }
  normalise(s, 0.60f);
  fadeEnds(s, 0.0005, 0.040);
  return s;
}

std::pair<double, double> keyFrequencies(int digit) {
  // The keypad: 1 2 3 / 4 5 6 / 7 8 9 / _ 0 _, rows low, columns high.
  static constexpr double kRows[4] = {697.0, 770.0, 852.0, 941.0};
  static constexpr double kColumns[3] = {1209.0, 1336.0, 1477.0};
  const int place = digit == 0 ? 10 : digit - 1;
  return {kRows[place / 3], kColumns[place % 3]};
}

std::vector<float> synthKeyTone(int digit) {
  const auto [low, high] = keyFrequencies(digit);
  std::vector<float> s(samplesFor(0.150));
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    s[i] = static_cast<float>(std::sin(kTwoPi * low * t) + 0.9 * std::sin(kTwoPi * high * t));
  }
  normalise(s, 0.55f);
  fadeEnds(s, 0.004, 0.008);
  return s;
}

std::vector<float> synthBusy() {
  // The busy signal of a Russian exchange: 425 Hz, 0.35 s on, 0.35 s off.
  std::vector<float> s(samplesFor(1.05));
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    const double inCycle = std::fmod(t, 0.7);
    if (inCycle >= 0.35) continue;
    const double edge = std::min({1.0, inCycle / 0.005, (0.35 - inCycle) / 0.005});
    s[i] = static_cast<float>(edge * std::sin(kTwoPi * 425.0 * t));
  }
  normalise(s, 0.45f);
  return s;
}

std::vector<float> synthHandshake() {
  // The answer tone, then the two modems' warbling carriers over line hiss.
  std::vector<float> s(samplesFor(1.6));
  Rng rng(0x56C);
  double phaseA = 0, phaseB = 0, hiss = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double v = 0;
    if (t < 0.45) {
      v = std::sin(kTwoPi * 2100.0 * t) * (0.6 + 0.4 * std::cos(kTwoPi * 15.0 * t));
    } else {
      const double u = t - 0.45;
      phaseA += kTwoPi * (1200.0 + 300.0 * std::sin(kTwoPi * 9.0 * u)) / kSampleRate;
      phaseB += kTwoPi * (2400.0 + 150.0 * std::sin(kTwoPi * 23.0 * u)) / kSampleRate;
      hiss += 0.25 * (rng.range(-1.0f, 1.0f) - hiss);
      v = 0.55 * std::sin(phaseA) + 0.35 * std::sin(phaseB) + 0.5 * hiss * std::min(1.0, u / 0.3);
    }
    s[i] = static_cast<float>(v);
  }
  normalise(s, 0.45f);
  fadeEnds(s, 0.005, 0.030);
  return s;
}

std::vector<std::string> writeSounds(const std::string& folder) {
  std::vector<std::string> names = {"click.wav", "close.wav", "mes.wav"};
  writeWav(synthClick(), kSampleRate, folder + "/click.wav");
  writeWav(synthClose(), kSampleRate, folder + "/close.wav");
  writeWav(synthChime(), kSampleRate, folder + "/mes.wav");
  for (int digit = 0; digit <= 9; ++digit) {
    names.push_back("dtmf" + std::to_string(digit) + ".wav");
    writeWav(synthKeyTone(digit), kSampleRate, folder + "/" + names.back());
  }
  writeWav(synthBusy(), kSampleRate, folder + "/busy.wav");
  writeWav(synthHandshake(), kSampleRate, folder + "/modem.wav");
  names.push_back("busy.wav");
  names.push_back("modem.wav");
  return names;
}

}  // namespace artgen
