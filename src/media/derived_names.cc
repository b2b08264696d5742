#include "media/derived_names.h"

#include "text/string_ops.h"

namespace vellix::media {
namespace {

/// `name` with "-n" put before its extension ("a.b.jpg" gives "a.b-2.jpg").
std::string WithSuffix(std::string_view name, int n) {
  const size_t slash = name.rfind('/');
  const size_t base = slash == std::string_view::npos ? 0 : slash + 1;
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot <= base) dot = name.size();
  return std::string(name.substr(0, dot)) + "-" + std::to_string(n) +
         std::string(name.substr(dot));
}

}  // namespace

std::string DerivedNames::Claim(std::string_view key, std::string_view wanted) {
  const std::string owner(key);
  if (auto known = name_by_key_.find(owner); known != name_by_key_.end()) {
    return known->second;
  }
  std::string name(wanted);
  for (int n = 2;; ++n) {
    auto [it, inserted] = owner_by_name_.try_emplace(text::AsciiLower(name), owner);
    if (inserted || it->second == owner) break;
    name = WithSuffix(wanted, n);
  }
  name_by_key_.emplace(owner, name);
  return name;
}

}  // namespace vellix::media
