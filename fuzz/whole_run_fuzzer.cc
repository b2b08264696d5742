// A whole small run, from the bytes of a GEDCOM file to the pages of a site
// in a temporary folder, with citations, bibliography, repositories and
// GENDEX switched on; every page must land inside the destination.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "fuzz/fuzz_environment.h"
#include "options/options.h"
#include "platform/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;  // small runs; the reader target takes the large
  vellix::fuzz::FuzzEnvironment& fuzz = vellix::fuzz::FuzzEnvironment::Get();
  const std::string root = fuzz.FreshFolder("run");
  const std::string dest = root + "site/";
  std::filesystem::create_directories(dest);
  const std::string gedcom = root + "tree.ged";
  if (!vellix::platform::WriteWholeFile(
          gedcom, std::string(reinterpret_cast<const char*>(data), size))) {
    return 0;
  }
  vellix::COptions options;
  options.m_strGedcomFile = vellix::platform::StoredPath(gedcom);
  options.m_strDestFolder = vellix::platform::StoredPath(dest);
  options.m_bCitations = true;
  options.m_bBiblioPages = true;
  options.m_bRepositoryPages = true;
  options.m_bGendex = true;
  options.m_bSurnameCounts = true;
  options.m_bTopSurnames = true;
  vellix::Generator generator(fuzz.env, std::make_unique<vellix::SitePhases>());
  generator.Generate(vellix::GenerateMode::kAll, options, root + "Options.dat");
  // Nothing but the tree and the site may be in the run's folder.
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (name != "tree.ged" && name != "site") abort();
  }
  return 0;
}
