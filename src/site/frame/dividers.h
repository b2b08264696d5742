// The four dividers of the site's pages: a line or an image at the top and
// bottom of a page, and thick and thin lines between the blocks of a group
// sheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/image_size.h"

namespace vellix {
class COptions;
}

namespace vellix::site {

using platform::ImageSize;
using platform::ImageSizeOfBytes;
using platform::ReadImageSize;

enum class DividerSlot { kTop, kBottom, kThick, kThin };

/// Divider modes of the option set.
inline constexpr int kDividerExclude = 0;
inline constexpr int kDividerLine = 1;
inline constexpr int kDividerImage = 2;

/// The img tag of a divider image: `relative_prefix` + the image path in URL
/// form, the (escaped) alternative text, and the size attributes: width
/// "100%" when stretched or the pixel width, then the pixel height; only the
/// stretch width (or nothing) when the size is unknown.
std::string DividerImageTag(std::string_view relative_prefix, std::string_view image_path,
                            std::string_view alt_text, bool stretch,
                            const std::optional<ImageSize>& size);

/// The divider HTML of `slot` for `mode`: the line form for Exclude and
/// Line, the image form (with `image_tag`, possibly empty) for Image.
std::string DividerHtml(DividerSlot slot, int mode, std::string_view image_tag);

/// The divider of `slot` as the option set describes it. The image file is
/// looked for relative to the destination folder (or at its own path when
/// absolute) to read its size.
std::string BuildDivider(const COptions& options, DividerSlot slot,
                         std::string_view relative_prefix);

}  // namespace vellix::site
