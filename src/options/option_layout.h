// The option set file's items in file order, each tied to the COptions
// member it holds and the layout version that added it.
#pragma once

#include <span>
#include <string>

#include "options/options.h"

namespace vellix::options {

/// Layout version this program reads up to and writes.
inline constexpr int kLayoutVersion = 39;

/// The magic text after the version number (followed by two zero bytes).
inline constexpr char kMagic[] = "LQP45G21";
inline constexpr size_t kMagicSize = 10;

/// How one item is encoded.
enum class ItemKind {
  kVersion,        // int32, m_nVersion (read into m_nFileVersion)
  kMagic,          // 10 bytes
  kBool,           // byte
  kByte,           // byte holding a small enumeration
  kInt32,          // int32
  kString,         // length-prefixed string
  kColors,         // 16 x uint32
  kFactCount48,    // int32 48
  kFactInclude48,  // 48 bytes, fact kinds 0..47
  kFactLabels48,   // 48 strings, fact kinds 0..47
  kAttributes,     // attribute list
  kFactCountN,     // int32 N (14 when written)
  kFactIncludeN,   // N bytes, fact kinds 48..61 (extra ones dropped)
  kFactLabelsN,    // N strings, fact kinds 48..61 (extra ones dropped)
};

/// One item of the file. Exactly the pointer matching `kind` is set (none
/// for the magic and the counts, `i` for the version).
struct LayoutItem {
  int version;  // 0: present in every file, else the version that added it
  ItemKind kind;
  const char* name;  // member name, e.g. "m_strDestFolder"
  bool COptions::*b = nullptr;
  uint8_t COptions::*y = nullptr;
  int32_t COptions::*i = nullptr;
  std::string COptions::*s = nullptr;
  CAttributesList COptions::*a = nullptr;
};

/// All 376 items in file order.
std::span<const LayoutItem> FileLayout();

/// The layout versions that appended blocks after the first one, in order.
std::span<const int> LaterBlockVersions();

/// The path settings (slashes become backslashes on load and save).
std::span<std::string COptions::*const> PathSettings();

}  // namespace vellix::options
