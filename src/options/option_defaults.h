// Default values of the option set and the defaults that each later layout
// version's block receives when an older file is read.
#pragma once

#include "options/options.h"

namespace vellix::options {

/// A default-constructed option set, built once.
const COptions& DefaultOptions();

/// Gives every item of the block that layout version `version` added its
/// default value, with the block's particular values (an absent block 33
/// means the transitional document type, an absent block 37 the display
/// choices of kinds 48..61).
void ApplyBlockDefaults(COptions& options, int version);

/// The conversions an older file needs after the defaults of block
/// `version` (37 or 39); nothing for other versions.
void ApplyUpgradeConversions(COptions& options, int version);

/// Sets the labels of fact kinds `first`..`last` to their defaults; the
/// label array must hold all kinds.
void SetDefaultFactLabels(COptions& options, int first, int last);

}  // namespace vellix::options
