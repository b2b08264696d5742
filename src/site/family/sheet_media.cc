#include "site/family/sheet_media.h"

#include "media/portrait.h"
#include "model/run_context.h"
#include "options/options.h"
#include "site/family/footnotes.h"
#include "text/html_escape.h"

namespace vellix::site {

using media::GalleryKind;
using media::MediaGallery;
using media::MediaList;
using media::ObjectFilter;

SheetMedia::SheetMedia(RunContext& ctx, media::MediaRun& media,
                       const Bibliography* bibliography)
    : ctx_(ctx), media_(media), services_(ctx, bibliography, media.relative_prefix()) {}

SheetMedia::~SheetMedia() = default;

OwnerMedia SheetMedia::Collect(
    GalleryKind kind, const media::GalleryOwner& owner,
    const std::vector<std::shared_ptr<const GedcomNode>>& objects,
    const std::vector<const std::vector<Fact>*>& facts, bool scrapbook_on,
    bool facts_on) const {
  const COptions& o = ctx_.options;
  MediaGallery gallery;
  gallery.kind = kind;
  gallery.owner = owner;
  gallery.media = MediaList(o.m_bOmitDuplicateMedia);
  const media::MediaObjectReader& reader = media_.objects();
  if (scrapbook_on) {
    const ObjectFilter filter =
        o.m_bIgnoreScrapbookFlag ? ObjectFilter::kAll : ObjectFilter::kScrapbookOnly;
    for (const auto& object : objects) reader.AddObject(*object, filter, &gallery.media);
  }
  if (facts_on) {
    for (const std::vector<Fact>* list : facts) {
      for (const Fact& fact : *list) {
        if (!fact.line) continue;
        for (const GedcomNode& line : fact.line->Children(kTagObje)) {
          reader.AddObject(line, ObjectFilter::kAll, &gallery.media);
        }
      }
    }
  }
  OwnerMedia media;
  if (!gallery.empty()) media.gallery = std::move(gallery);
  return media;
}

MediaList SheetMedia::Candidates(
    const std::vector<std::shared_ptr<const GedcomNode>>& objects,
    const std::vector<const std::vector<Fact>*>& facts) const {
  MediaList list(true);
  const media::MediaObjectReader& reader = media_.objects();
  for (const auto& object : objects) reader.AddObject(*object, ObjectFilter::kAll, &list);
  for (const std::vector<Fact>* facts_list : facts) {
    for (const Fact& fact : *facts_list) {
      if (!fact.line) continue;
      for (const GedcomNode& line : fact.line->Children(kTagObje)) {
        reader.AddObject(line, ObjectFilter::kAll, &list);
      }
    }
  }
  return list;
}

void SheetMedia::MakePortrait(OwnerMedia* owner, const MediaList& candidates,
                              media::PortraitKind kind, const std::string& ref) {
  const int index = media::PortraitIndex(candidates.items());
  if (index < 0) return;
  owner->portrait = media_.Portrait(candidates.items()[static_cast<size_t>(index)], kind,
                                    ref, services_);
}

void SheetMedia::SuppressSinglePortraitGallery(OwnerMedia* owner,
                                               bool portraits_on) const {
  // A gallery whose one item is the portrait the sheet shows adds nothing;
  // any other single item (a document, a picture that could not be made
  // into the portrait) keeps its gallery, or it would be lost from the
  // site.
  if (!ctx_.options.m_bSuppressPortraitGallery || !portraits_on || !owner->gallery ||
      owner->gallery->media.size() != 1 || !owner->portrait.shown()) {
    return;
  }
  if (owner->portrait.source == media::SameFileKey(owner->gallery->media.items()[0])) {
    owner->gallery.reset();
  }
}

void SheetMedia::Prepare(const SheetFamily& family, const std::string& page_file,
                         const std::string& names_html) {
  const COptions& o = ctx_.options;
  family_ = OwnerMedia();
  people_.clear();
  citations_.reset();
  page_owner_ = media::GalleryOwner();
  page_owner_.page_id = family.page_id;
  page_owner_.owner_page = page_file;
  page_owner_.name_html = names_html;
  page_owner_.warning_ref = family.page_id;

  if (!family.loner && !family.facts.hidden) {
    const std::vector<const std::vector<Fact>*> facts = {&family.facts.married,
                                                         &family.facts.end};
    family_ = Collect(GalleryKind::kFamily, page_owner_, family.objects, facts,
                      o.m_bFamilyScrapbookGallery, o.m_bFamilyFactGallery);
    const bool custom = o.m_bGroupImages && !family.attributes.m_strImage.empty();
    family_.portrait_wanted =
        o.m_bFamilyPortraits && (!custom || o.m_bFamilyPortraitPreferred);
    if (family_.portrait_wanted) {
      MakePortrait(&family_, Candidates(family.objects, facts),
                   media::PortraitKind::kFamily, family.page_id);
    }
    SuppressSinglePortraitGallery(&family_, o.m_bFamilyPortraits);
  }

  std::vector<const SheetPerson*> people;
  if (family.husband) people.push_back(family.husband.get());
  if (family.wife) people.push_back(family.wife.get());
  for (const auto& child : family.children) people.push_back(child.get());
  for (const SheetPerson* person : people) {
    OwnerMedia media;
    if (!person->facts.hidden) {
      media::GalleryOwner owner = page_owner_;
      owner.individual = person->key;
      owner.name_html = text::EscapeHtml(person->facts.display_name);
      const PersonFacts& f = person->facts;
      const std::vector<const std::vector<Fact>*> facts = {&f.born, &f.died, &f.other,
                                                           &f.end};
      media = Collect(GalleryKind::kIndividual, owner, person->objects, facts,
                      o.m_bIndivScrapbookGallery, o.m_bIndivFactGallery);
      const bool custom = o.m_bIndivImages && !person->attributes.m_strImage.empty();
      media.portrait_wanted =
          o.m_bIndivPortraits && (!custom || o.m_bIndivPortraitPreferred);
      if (media.portrait_wanted) {
        MakePortrait(&media, Candidates(person->objects, facts),
                     media::PortraitKind::kIndividual, family.page_id);
      }
      SuppressSinglePortraitGallery(&media, o.m_bIndivPortraits);
    }
    people_.emplace_back(person, std::move(media));
  }
}

const OwnerMedia& SheetMedia::Of(const SheetPerson& person) const {
  for (const auto& [who, media] : people_) {
    if (who == &person) return media;
  }
  return none_;
}

std::string SheetMedia::Link(const OwnerMedia& owner, bool in_frame) const {
  if (!owner.gallery) return {};
  return media::GalleryLink(
      ctx_.options, owner.gallery->kind, owner.gallery->owner,
      {.owner_in_frame = in_frame, .strict = ctx_.flags.strictConformance});
}

std::string SheetMedia::CitationGallery(const FootnoteList& notes, bool in_frame) {
  citations_.reset();
  if (!ctx_.options.m_bCitationGallery) return {};
  MediaGallery gallery;
  gallery.kind = GalleryKind::kCitation;
  gallery.owner = page_owner_;
  gallery.media = MediaList(ctx_.options.m_bOmitDuplicateMedia);
  for (size_t i = 0; i < notes.count(); ++i) {
    for (const auto& object : notes.citation(i).objects) {
      media_.objects().AddObject(*object, ObjectFilter::kAll, &gallery.media);
    }
  }
  if (gallery.empty()) return {};
  citations_ = std::move(gallery);
  return media::GalleryLink(
      ctx_.options, GalleryKind::kCitation, citations_->owner,
      {.owner_in_frame = in_frame, .strict = ctx_.flags.strictConformance});
}

void SheetMedia::WriteGalleries() {
  if (family_.gallery) media_.WriteGallery(*family_.gallery, services_);
  for (auto& [person, media] : people_) {
    if (media.gallery) media_.WriteGallery(*media.gallery, services_);
  }
  if (citations_) media_.WriteGallery(*citations_, services_);
}

}  // namespace vellix::site
