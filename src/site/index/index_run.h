// The name index phase of a generation run.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vellix {
class RunLogEntries;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class NameIndex;

/// Runs the name index after the individuals pass has fed `index`: sorts
/// it, records its individuals in `log` (when given), and with
/// `write_pages` writes the icon images, the index pages and the surname
/// pages. Sets ctx.statistics.indexEntries and returns the entry count.
///
/// The run's engine calls it like this:
///   PrivacyFilter privacy(ctx.options, support_flags);
///   site::NameIndex index(ctx.options, privacy);
///   index.set_record_store(&ctx.store);  // icon marks of the family pages
///   ParseIndividuals(ctx, privacy, index, gendex, false);
///   site::WriteIndexPages(ctx, index, write_pages, &log_entries);
int32_t WriteIndexPages(RunContext& ctx, NameIndex& index, bool write_pages,
                        RunLogEntries* log = nullptr);

}  // namespace vellix::site
