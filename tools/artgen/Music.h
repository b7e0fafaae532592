#pragma once
// The disco's music: short synthesised dance tracks and the track list
// "clublist.txt" that names them.
#include <string>
#include <vector>

namespace artgen {

constexpr int kMusicRate = 22050;

struct TrackStyle {
  const char* file;
  double seconds;
  double bpm;
  int key;              // semitones above A2 (110 Hz)
  int progression[4];   // chord roots of the four bars, in semitones from the key
  bool minorChords[4];  // minor or major triad on each root
  unsigned seed;
};

// One track: kick on every beat, claps on two and four, off-beat hats, an
// octave bass, a chord pad and an arpeggio, faded in and out.
std::vector<float> synthTrack(const TrackStyle& style);

// Writes the tracks and "clublist.txt" into the folder; returns the file names.
std::vector<std::string> writeMusic(const std::string& folder);

}  // namespace artgen
