// The 62 fact kinds of the option set: their names and the order in which
// the Facts tab and the summary listing show them.
#pragma once

#include <span>
#include <string>

namespace vellix {

/// The name of fact kind `kind` as the Facts tab shows it ("Adoption",
/// "User 1", "... other facts"); empty outside 0..61.
const char* FactKindName(int kind);

/// The default label of fact kind `kind`: its name, except the user-defined
/// kinds 34..47 (empty). Kinds 52, 59 and 61 take the labels they redirect
/// to, so their defaults are given by the caller (see COptions::SetDefaults).
const char* FactKindDefaultLabel(int kind);

/// True for the family-level kinds 50..61.
bool IsFamilyFactKind(int kind);

/// The kinds in the order the Facts tab lists them.
std::span<const int> IndividualFactKindOrder();  // 0..8, 48, 9..33, 49
std::span<const int> FamilyFactKindOrder();      // 51..55, 59, 56..58, 60, 61, 50
std::span<const int> UserFactKindOrder();        // 34..47

}  // namespace vellix
