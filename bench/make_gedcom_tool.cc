// Writes a synthetic GEDCOM file:
//   make_gedcom_tool INDIVIDUALS OUTPUT.ged
//   make_gedcom_tool --spouses N OUTPUT.ged   (one man with N wives)
//   make_gedcom_tool --realistic N OUTPUT.ged (about 640 bytes per person)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gedcom_synth.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  const bool spouses = argc == 4 && std::strcmp(argv[1], "--spouses") == 0;
  const bool realistic = argc == 4 && std::strcmp(argv[1], "--realistic") == 0;
  const int first = spouses || realistic ? 2 : 1;
  if (argc != first + 2 || std::atoi(argv[first]) <= 0) {
    std::fprintf(stderr, "usage: %s [--spouses | --realistic] COUNT OUTPUT.ged\n",
                 argv[0]);
    return 2;
  }
  const int count = std::atoi(argv[first]);
  const std::string text = spouses     ? vellix::bench::MakeManySpousesGedcom(count)
                           : realistic ? vellix::bench::MakeRealisticGedcom(count)
                                       : vellix::bench::MakeGedcom(count);
  const char* path = argv[first + 1];
  std::string error;
  if (!vellix::platform::WriteWholeFile(path, text, &error)) {
    std::fprintf(stderr, "%s: %s\n", path, error.c_str());
    return 1;
  }
  std::printf("%s: %zu bytes\n", path, text.size());
  return 0;
}
