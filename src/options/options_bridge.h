// Fills the text and path settings from an option set, so the run reads the
// option set once and the text utilities stay testable without one.
#pragma once

#include "options/options.h"
#include "text/paths.h"
#include "text/text_settings.h"

namespace vellix {

/// The link and note settings of `options`; `strict_doctype` is the run's
/// strict-doctype flag (COptions::IsStrictDtd at the start of a run).
text::TextSettings TextSettingsFromOptions(const COptions& options, bool strict_doctype);

/// Destination folder, file prefix and file extension of `options`.
text::PageNameSettings PageNameSettingsFromOptions(const COptions& options);

}  // namespace vellix
