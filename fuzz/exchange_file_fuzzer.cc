// The custom attributes exchange file (`vellix attributes import`): any
// bytes decoded, parsed and merged as the importer does, then written as the
// exporter does and read back, which must give the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "options/attributes.h"
#include "options/exchange_file.h"

namespace {

using vellix::options::ExchangeEntries;
using vellix::options::ExchangeFileError;

// Reads `bytes` as the importer does into two fresh lists; false when the
// file is refused.
bool Import(std::string_view bytes, vellix::CAttributesList& people,
            vellix::CAttributesList& families) {
  std::string utf8;
  ExchangeFileError error;
  if (!vellix::options::DecodeExchangeFile(bytes, &utf8, &error)) return false;
  ExchangeEntries entries;
  if (!vellix::options::ParseExchangeFile(utf8, &entries, &error)) return false;
  vellix::options::MergeExchangeEntries(entries, people, families);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)vellix::options::IsExchangeFile(bytes);
  vellix::CAttributesList people, families;
  if (!Import(bytes, people, families)) return 0;
  const std::string exported = vellix::options::EncodeExchangeFile(
      vellix::options::ExchangeFileText(people, families));
  vellix::CAttributesList people2, families2;
  if (!Import(exported, people2, families2)) abort();
  if (vellix::options::ExchangeFileText(people2, families2) !=
      vellix::options::ExchangeFileText(people, families)) {
    abort();
  }
  return 0;
}
