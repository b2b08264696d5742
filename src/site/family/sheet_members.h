// The people of one group sheet, loaded and copied out of the record caches:
// husband, wife and children with their facts, parents, other spouses and
// custom attributes, and the family's own facts.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gedcom/gedcom_record.h"
#include "options/attributes.h"
#include "site/family/fact_collect.h"
#include "site/family/fact_line.h"

namespace vellix {
class COptions;
class GedcomReader;
class PrivacyFilter;
class RecordStore;
}  // namespace vellix

namespace vellix::site {

/// One person of the sheet: everything the page shows of him, copied so
/// that the record caches may move on while the page is built.
struct SheetPerson {
  std::string key;
  GedcomRecord* entry = nullptr;  // the index entry (marks are written here)
  PersonFacts facts;
  /// The custom attributes: biography link, relationship text, image and
  /// caption (from the option set's list, or from facts with the tag texts).
  CAttributes attributes;
  /// Left empty for the children of the family, whose rows show no parents.
  std::vector<Relative> fathers;
  std::vector<Relative> mothers;
  std::vector<Relative> spouses;  // of the person's other families
  /// Spouses left off the list past the bound (kSpouseBound).
  size_t more_spouses = 0;
  /// The page of the first selected family the person is a child in (a
  /// spouse's name links there).
  std::string parent_family_page;
  /// The page of the first selected family the person is a spouse in, other
  /// than the family being written (a child's own family page).
  std::string own_family_page;
  /// Name parts for the individuals log.
  std::string given;
  std::string surname;
  /// Copies of the person's own OBJE lines (kept only when multimedia
  /// galleries are on and the person's facts are shown).
  std::vector<std::shared_ptr<const GedcomNode>> objects;
};

/// The family of one page: its members in order and its own facts.
struct SheetFamily {
  std::string key;      // family key, or the loner's key
  std::string page_id;  // the page identifier
  bool loner = false;
  std::unique_ptr<SheetPerson> husband;  // either may be missing
  std::unique_ptr<SheetPerson> wife;
  std::vector<std::unique_ptr<SheetPerson>> children;
  FamilyFacts facts;
  CAttributes attributes;  // narrative link, imported text, group image, caption
  /// A spouse is also a child (warning 21 was raised; the repeat is left out).
  bool circular = false;
  /// Copies of the family's own OBJE lines (multimedia galleries on only).
  std::vector<std::shared_ptr<const GedcomNode>> objects;
};

/// A person with more spouses than this (over his other families) gets a
/// shortened Spouses line: the first kSpousesShown and "and N more".
inline constexpr size_t kSpouseBound = 1000;
inline constexpr size_t kSpousesShown = 100;

/// Loads the members of a family (or a loner) for the page writer.
class SheetLoader {
 public:
  SheetLoader(const COptions& options, GedcomReader& reader, RecordStore& store,
              const PrivacyFilter& privacy, const FactCollector& collector);

  /// The family `family` (loaded) whose index entry is `entry`.
  SheetFamily LoadFamily(GedcomRecord& entry, const GedcomRecord& family);
  /// A loner page: `individual` (loaded) as the only person, in the husband
  /// slot unless the individual is female.
  SheetFamily LoadLoner(GedcomRecord& entry, const GedcomRecord& individual);

  /// The display name of the individual `key` (plain text, privacy applied;
  /// "" when unknown).
  std::string DisplayNameOf(std::string_view key);

 private:
  /// The families a person is a spouse in, with the other spouses of each:
  /// what the Spouses line of each of those families' pages is made from.
  struct OwnFamilies {
    struct Family {
      std::string key;  // resolved family key
      std::string page;
      std::vector<Relative> partners;
    };
    std::vector<Family> families;  // in the person's order
    size_t partners = 0;           // over all families
  };
  /// Own families are kept for the run from this many on.
  static constexpr size_t kKeptFrom = 3;
  /// Gathers the own families of `person` (whose FAMS pointers are
  /// `own_families`, unused once they are kept); kept for the run when the
  /// person has several, so
  /// that each of his pages does not load every spouse again. Gathered for
  /// the page of `family_key` alone (into `scratch`), that family's
  /// partners are left out unless the bound could be reached.
  const OwnFamilies& OwnFamiliesOf(const SheetPerson& person,
                                   const std::vector<std::string>& own_families,
                                   std::string_view family_key, OwnFamilies* scratch);
  /// Fills the person's own family page and Spouses list for the page of
  /// `family_key`, bounded by kSpouseBound.
  void TakeSpouses(const OwnFamilies& own, std::string_view family_key,
                   SheetPerson* person) const;

  /// Whether a person's parents are named (fathers and mothers filled):
  /// the spouses' rows show them, the children's do not.
  enum class ParentNames { kRead, kSkip };

  std::unique_ptr<SheetPerson> LoadPerson(std::string_view key,
                                          std::string_view family_key,
                                          const std::string& ref,
                                          ParentNames parent_names);
  std::unique_ptr<SheetPerson> MakePerson(GedcomRecord& entry, const GedcomRecord& record,
                                          std::string_view family_key,
                                          const std::string& ref,
                                          ParentNames parent_names);
  bool IsLiving(GedcomRecord& entry, const GedcomRecord& record) const;
  void ReadRelatives(const std::vector<std::string>& parent_families,
                     const std::vector<std::string>& own_families,
                     std::string_view family_key, ParentNames parent_names,
                     SheetPerson* person);
  /// The key of the record `pointer` names (pointers may differ from the
  /// key by letter case); the pointer itself when there is no such record.
  std::string ResolvedKey(RecordKind kind, std::string_view pointer) const;
  /// The selected page of family `key`, "" when it has none.
  std::string PageOfFamily(std::string_view key) const;
  CAttributes AttributesOf(const CAttributesList& list, const GedcomRecord& record,
                           bool family) const;

  const COptions& options_;
  GedcomReader& reader_;
  RecordStore& store_;
  const PrivacyFilter& privacy_;
  const FactCollector& collector_;
  /// Own families of the people with several, by person key, for the run.
  std::unordered_map<std::string, std::unique_ptr<OwnFamilies>> own_families_;
};

}  // namespace vellix::site
