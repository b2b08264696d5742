// The option set file loader: any bytes as the option set file, loaded as
// a program loads its current set (a damaged file kept aside, a foreign one
// refused), and any image that reads must write back to an image that
// reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_environment.h"
#include "options/options.h"
#include "platform/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vellix::fuzz::FuzzEnvironment& fuzz = vellix::fuzz::FuzzEnvironment::Get();
  const std::string image(reinterpret_cast<const char*>(data), size);

  vellix::COptions read;
  if (read.ReadFrom(image) && read.m_nLoadError == 0) {
    const std::string once = read.WriteToString();
    vellix::COptions again;
    if (!again.ReadFrom(once) || again.m_nLoadError != 0) abort();
    if (again.WriteToString() != once) abort();
  }

  const std::string folder = fuzz.FreshFolder("set");
  const std::string path = folder + "club.dat";
  if (!vellix::platform::WriteWholeFile(path, image)) return 0;
  vellix::COptions loaded;
  const vellix::OptionFileContext file{path, folder, fuzz.prompter, &fuzz.files,
                                       &fuzz.settings};
  if (loaded.LoadOptions(file)) {
    loaded.m_strAuthor += "+";
    loaded.SaveOptions(file);
  } else {
    // A refused file is never touched.
    std::string after;
    if (!vellix::platform::ReadWholeFile(path, &after) || after != image) abort();
  }
  return 0;
}
