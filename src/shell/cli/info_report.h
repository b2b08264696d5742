// How `vellix info` shows the GEDCOM File Information: as text for people
// or as one JSON object for scripts.
#pragma once

#include <string>

#include "model/gedcom_file_info.h"

namespace vellix::cli {

/// The information as text, under the captions of the information window.
std::string InfoText(const std::string& path, const GedcomFileInfo& info);

/// The same facts as one JSON object (one line, ending with a line feed).
std::string InfoJson(const std::string& path, const GedcomFileInfo& info);

}  // namespace vellix::cli
