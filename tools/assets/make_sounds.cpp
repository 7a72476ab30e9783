// Writes the five game sounds into the folder given on the command line.
#include <cstdio>

#include "assets/sound_synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  if (!gorbix::assets::writeSoundFiles(argv[1])) {
    std::fprintf(stderr, "could not write the sounds into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
