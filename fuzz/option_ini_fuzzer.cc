// The option set's text form (`vellix options import`): any text applied to
// a default set, and a set that took it exported and imported again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "options/option_ini.h"
#include "options/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vellix::COptions options;
  std::vector<vellix::options::IniProblem> problems;
  if (!vellix::options::ApplyIni(text, &options, &problems)) return 0;
  const std::string exported = vellix::options::OptionsToIni(options, "fuzz");
  vellix::COptions again;
  if (!vellix::options::ApplyIni(exported, &again, &problems)) abort();
  if (vellix::options::OptionsToIni(again, "fuzz") != exported) abort();
  return 0;
}
