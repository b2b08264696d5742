// What the gallery and slide pages borrow from the family pages: dates as
// the group sheets show them and source citations as their footnotes read.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "media/gallery_pages.h"
#include "text/text_converter.h"

namespace vellix {
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class Bibliography;
class FactFormatter;
class FootnoteList;
class RunBibliographyNumbers;

/// The media pages' services of one run. A slide's source list is a
/// footnote list of its own, numbered from 1 on each slide, whose links to
/// the bibliography lead back out of the media folder (`folder_prefix`).
/// The run context and bibliography (may be null) must outlive it.
class SlideServices : public media::GalleryServices {
 public:
  SlideServices(RunContext& ctx, const Bibliography* bibliography,
                std::string folder_prefix);
  ~SlideServices() override;
  SlideServices(const SlideServices&) = delete;
  SlideServices& operator=(const SlideServices&) = delete;

  std::string DateText(std::string_view date) const override;
  std::string CitationItems(
      const std::vector<std::shared_ptr<const GedcomNode>>& sour_lines) override;

 private:
  RunContext& ctx_;
  text::TextConverter converter_;
  std::unique_ptr<FactFormatter> formatter_;
  std::unique_ptr<RunBibliographyNumbers> numbers_;
  std::unique_ptr<FootnoteList> notes_;
};

}  // namespace vellix::site
