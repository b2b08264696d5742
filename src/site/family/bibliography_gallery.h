// The multimedia gallery of the bibliography: every OBJE line of every
// source record, in bibliography order, linked from the first bibliography
// page.
#pragma once

#include <string>

namespace vellix {
struct RunContext;
namespace media {
class MediaRun;
}
}  // namespace vellix

namespace vellix::site {

class Bibliography;

/// Writes the gallery and slide pages of the bibliography's media ("gb-bib-01"
/// ...) when "Enable multimedia gallery for the bibliography" is on and the
/// sources hold media, and returns the link to it (no target attribute in
/// the standalone bibliography run); "" otherwise.
std::string WriteBibliographyGallery(RunContext& ctx, media::MediaRun& media,
                                     const Bibliography& bibliography, bool standalone);

}  // namespace vellix::site
