// The texts of the main window: status lines, title and Generate menu.
#pragma once

#include <QString>

#include "engine/generate_mode.h"
#include "options/options.h"

namespace vellix::gui {

/// The status text at start-up: it asks for Generate when the option set
/// names a GEDCOM file, else only points to Options.
QString StartStatusText(const COptions& options);

/// The status text after the options dialog closed: Generate when a GEDCOM
/// file is named, else a request to name one.
QString AfterOptionsStatusText(const COptions& options);

/// "VELLIX 1.8.1", followed by " - " and the GEDCOM file's name (without
/// its folder) when one is set.
QString WindowTitle(const COptions& options);

/// The Generate menu's entry for a mode ("All Families, Surnames && Index").
QString ModeMenuText(GenerateMode mode);

/// The release page Check for Updates opens, with the version as "ver".
QString UpdatePageAddress();

}  // namespace vellix::gui
