#include "site/family/slide_services.h"

#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "site/family/citation.h"
#include "site/family/fact_line.h"
#include "site/family/footnotes.h"

namespace vellix::site {

SlideServices::SlideServices(RunContext& ctx, const Bibliography* bibliography,
                             std::string folder_prefix)
    : ctx_(ctx),
      converter_(TextSettingsFromOptions(ctx.options, ctx.flags.strictConformance)) {
  converter_.SetDialect(&ctx.dialects.current().markers);
  formatter_ = std::make_unique<FactFormatter>(
      ctx.options, converter_,
      [](const std::vector<const GedcomNode*>&, bool) { return std::string(); },
      [](std::string_view, std::string_view text) { return std::string(text); });
  notes_ = std::make_unique<FootnoteList>(ctx.options, converter_, &ctx.reader);
  notes_->set_template_mode(ctx.dialects.current().code == 1);
  notes_->set_strict(ctx.flags.strictConformance);
  notes_->set_always_numbered(true);
  notes_->set_folder_prefix(std::move(folder_prefix));
  if (bibliography != nullptr) {
    numbers_ = std::make_unique<RunBibliographyNumbers>(*bibliography);
    notes_->set_bibliography(numbers_.get());
  }
}

SlideServices::~SlideServices() = default;

std::string SlideServices::DateText(std::string_view date) const {
  return formatter_->DateDisplay(date);
}

std::string SlideServices::CitationItems(
    const std::vector<std::shared_ptr<const GedcomNode>>& sour_lines) {
  std::vector<Citation> citations;
  for (const auto& line : sour_lines) {
    if (line) citations.push_back(ReadCitation(*line, &ctx_.reader));
  }
  notes_->Clear();
  notes_->AddCitations(citations);
  std::string items;
  std::string text;
  int number = 0;
  while (notes_->NextFootnoteText(false, &text)) {
    items += "<li><a name=\"" + std::to_string(++number) + "\"></a>" + text + "\r\n";
  }
  notes_->Clear();
  return items;
}

}  // namespace vellix::site
