// Help pages and opening documents in the browser.
#pragma once

#include <string>
#include <string_view>

#include "shell/gui/desktop.h"

namespace vellix::gui {

/// Help topics: the main window and each dialog or options tab has one.
namespace topic {
inline constexpr std::string_view kMain = "main";
inline constexpr std::string_view kFiles = "optfiles";
inline constexpr std::string_view kAttributes = "optattributes";
inline constexpr std::string_view kHeaders = "optheaders";
inline constexpr std::string_view kCustom = "optcustom";
inline constexpr std::string_view kFeatures = "optfeatures";
inline constexpr std::string_view kFacts = "optfacts";
inline constexpr std::string_view kLabels = "optlabels";
inline constexpr std::string_view kProgram = "optprogram";
inline constexpr std::string_view kExtras = "optextras";
inline constexpr std::string_view kConfigure = "cuscfgind";
inline constexpr std::string_view kGedcomInfo = "misc-gedcom";
inline constexpr std::string_view kMaintain = "misc-maintain";
}  // namespace topic

/// The file name of a topic's page: "hlp" + topic + ".html".
std::string HelpPageName(std::string_view topic);

/// Full path of a topic's page among the program's resources (help/; a copy
/// in the application folder `app_folder` wins), or "" when it is not
/// installed.
std::string HelpPagePath(std::string_view topic, const std::string& app_folder);

/// Opens a topic's page in the browser. When the page is missing or cannot
/// be opened: "%s\n\nThis file either does not exist, or it is not
/// accessible." with the page's name.
void ShowHelp(Desktop& desktop, QWidget* parent, std::string_view topic,
              const std::string& app_folder);

/// Opens a local file in the browser or its viewer. On failure: "%s\n\nThis
/// file either does not exist, it is not accessible, or there is no Internet
/// browser associated with files of this type." with the path; false then.
bool OpenDocument(Desktop& desktop, QWidget* parent, const std::string& path);

}  // namespace vellix::gui
