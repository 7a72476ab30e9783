// Whether a wave file is one the sound layer can load to its end. Qt's
// loader waits for bytes a short or inconsistent file never delivers, and a
// sound stuck loading blocks the program when it is closed; so a file is
// checked whole before it is handed over.
#pragma once

#include <chrono>
#include <string_view>

namespace gorbix {

enum class WaveProblem {
  None,
  NoRiffHeader,      // shorter than 12 bytes, or not "RIFF" ... "WAVE"
  SizeMismatch,      // the RIFF size does not match the file's size
  BrokenChunk,       // a chunk runs past the end of the file
  NoFormat,          // no "fmt " chunk before the data, or one too short
  NotPlainPcm,       // compressed, floating point or extensible
  UnusualFormat,     // channels, rate or sample size the layer cannot play
  InconsistentFormat,  // block align or byte rate disagree with the format
  NoData,            // no "data" chunk, or one that is empty or ends mid-frame
};

// None when bytes are a complete, consistent RIFF/WAVE file of plain PCM:
// 1 or 2 channels, 8 or 16 bits, 4,000 to 192,000 frames a second, and a
// data chunk of whole frames inside the file.
WaveProblem checkWave(std::string_view bytes);

// How long a file that passes the check plays; zero for any other.
std::chrono::milliseconds waveLength(std::string_view bytes);

}  // namespace gorbix
