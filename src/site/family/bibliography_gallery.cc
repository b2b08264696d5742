#include "site/family/bibliography_gallery.h"

#include "gedcom/gedcom_reader.h"
#include "media/media_run.h"
#include "model/run_context.h"
#include "options/options.h"
#include "site/family/slide_services.h"
#include "site/sources/bibliography.h"

namespace vellix::site {

std::string WriteBibliographyGallery(RunContext& ctx, media::MediaRun& media,
                                     const Bibliography& bibliography, bool standalone) {
  const COptions& o = ctx.options;
  if (!o.m_bBiblioGallery) return {};
  media::MediaGallery gallery;
  gallery.kind = media::GalleryKind::kBibliography;
  gallery.owner.page_id = "bib";
  gallery.media = media::MediaList(o.m_bOmitDuplicateMedia);
  for (const auto& entry : bibliography.entries()) {
    GedcomRecord* source = nullptr;
    ctx.reader.LoadRecord(RecordKind::kSource, entry->xref, false, &source);
    if (source == nullptr) continue;
    media.objects().AddObjects(source->children, media::ObjectFilter::kAll,
                               &gallery.media);
  }
  if (gallery.empty()) return {};
  SlideServices services(ctx, &bibliography, media.relative_prefix());
  media.WriteGallery(gallery, services);
  return media::GalleryLink(
      o, gallery.kind, gallery.owner,
      {.strict = ctx.flags.strictConformance, .standalone = standalone});
}

}  // namespace vellix::site
