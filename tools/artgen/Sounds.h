#pragma once
// The interface sounds, synthesised sample by sample.
#include <string>
#include <vector>

namespace artgen {

constexpr int kSampleRate = 44100;

std::vector<float> synthClick();  // short crisp tick, 60 ms
std::vector<float> synthClose();  // soft falling blip, 150 ms
std::vector<float> synthChime();  // two-note chime, 400 ms

// Writes click.wav, close.wav and mes.wav into the folder; returns the file names.
std::vector<std::string> writeSounds(const std::string& folder);

}  // namespace artgen
