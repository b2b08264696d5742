// Writes a synthetic GEDCOM file: make_gedcom_tool INDIVIDUALS OUTPUT.ged
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gedcom_synth.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: %s INDIVIDUALS OUTPUT.ged\n", argv[0]);
    return 2;
  }
  const std::string text = vellix::bench::MakeGedcom(std::atoi(argv[1]));
  std::string error;
  if (!vellix::platform::WriteWholeFile(argv[2], text, &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
    return 1;
  }
  std::printf("%s: %zu bytes\n", argv[2], text.size());
  return 0;
}
