#pragma once
// The interface sounds, synthesised sample by sample.
#include <string>
#include <utility>
#include <vector>

namespace artgen {

constexpr int kSampleRate = 44100;

std::vector<float> synthClick();  // short crisp tick, 60 ms
std::vector<float> synthClose();  // soft falling blip, 150 ms
std::vector<float> synthChime();  // two-note chime, 400 ms
// The dial-up window: a telephone key's two tones (DTMF), 150 ms; the busy
// line, 425 Hz twice; a modem's handshake, about 1.6 s.
std::vector<float> synthKeyTone(int digit);
std::vector<float> synthBusy();
std::vector<float> synthHandshake();
// The row and column frequency of a telephone key 0 to 9.
std::pair<double, double> keyFrequencies(int digit);

// Writes click.wav, close.wav, mes.wav, dtmf0.wav … dtmf9.wav, busy.wav and
// modem.wav into the folder; returns the file names.
std::vector<std::string> writeSounds(const std::string& folder);

}  // namespace artgen
