// What a generation run calls for its sources: collecting the bibliography
// and repository index before the family pages, and writing their pages.
#pragma once

#include <memory>

#include "site/sources/bibliography.h"
#include "site/sources/repository_index.h"

namespace vellix {
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// The run data of the source pages: one Bibliography and one
/// RepositoryIndex, made by Collect and kept until Discard. The family page
/// writer reads bibliography() for its footnote links.
class SourcePages {
 public:
  SourcePages();
  ~SourcePages();
  SourcePages(const SourcePages&) = delete;
  SourcePages& operator=(const SourcePages&) = delete;

  /// Collects, sorts and numbers sources and repositories (the run calls it
  /// before selecting families). Replaces an earlier collection.
  void Collect(RunContext& ctx);
  /// After the citation pass of a code-1 dialect: numbers the citations.
  void FinishEvaluation();
  /// Writes the bibliography pages: always when `standalone` (mode 6),
  /// otherwise when "Generate bibliography web pages" is on. Collects first
  /// when Collect was not called.
  void WriteBibliography(RunContext& ctx, bool standalone);
  /// Writes the repository pages when "Generate repository web pages" is
  /// on; collects first when Collect was not called.
  void WriteRepositories(RunContext& ctx);
  /// The hook that writes the bibliography gallery (Bibliography::
  /// set_gallery_hook), given to every bibliography this object makes.
  void set_gallery_hook(Bibliography::GalleryHook hook) {
    gallery_hook_ = std::move(hook);
  }
  /// Drops the run's collections.
  void Discard();

  /// The run's bibliography; nullptr before Collect and after Discard.
  const Bibliography* bibliography() const { return bibliography_.get(); }
  Bibliography* bibliography() { return bibliography_.get(); }
  /// The run's repository index; nullptr before Collect and after Discard.
  const RepositoryIndex* repositories() const { return repositories_.get(); }

 private:
  std::unique_ptr<Bibliography> bibliography_;
  std::unique_ptr<RepositoryIndex> repositories_;
  Bibliography::GalleryHook gallery_hook_;
};

}  // namespace vellix::site
