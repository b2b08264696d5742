#include "options/attributes_configure.h"

#include <algorithm>

#include "platform/file_system.h"
#include "text/printf.h"
#include "text/string_ops.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;

constexpr char kClearAll[] =
    "This action will clear all attribute settings for all %s.\n\n"
    "Do you want to reset all entries?";
constexpr char kPurge[] =
    "This action will clear attribute settings for the %d entr%s\n"
    "not in the current GEDCOM file.\n\nDo you want to purge %s?\n"
    "(Click \"No\" if you are unsure.)";
constexpr char kDiscard[] = "Do you want to discard your changes?";

const char* Entries(int count) { return count == 1 ? "y" : "ies"; }

int CompareFolded(const std::string& a, const std::string& b) {
  return text::AsciiLower(a).compare(text::AsciiLower(b));
}

bool IsEmpty(const CAttributes& values) {
  return values.m_strLink.empty() && values.m_strText.empty() &&
         values.m_strImage.empty() && values.m_strCaption.empty();
}

}  // namespace

ConfigureSortSettings ReadConfigureSortSettings(const platform::SettingsStore& store) {
  ConfigureSortSettings sort;
  sort.individuals = store.GetInt("Options", "SortDlgInd", 0);
  sort.families = store.GetInt("Options", "SortDlgFam", 0);
  sort.aliases = store.GetInt("Options", "Alias", 0) == 1;
  return sort;
}

void SortConfigureEntries(AttributeOwner owner, const ConfigureSortSettings& sort,
                          std::vector<ConfigureEntry>* entries) {
  enum class Order { kName, kWife, kReference };
  Order order = Order::kReference;
  if (owner == AttributeOwner::kIndividuals) {
    if (sort.individuals == 0) order = Order::kName;
  } else if (sort.families == 0) {
    order = Order::kName;
  } else if (sort.families == 1) {
    order = Order::kWife;
  }
  std::stable_sort(
      entries->begin(), entries->end(),
      [order](const ConfigureEntry& a, const ConfigureEntry& b) {
        if (order != Order::kReference) {
          const bool wife = order == Order::kWife;
          int c = CompareFolded(wife ? a.wife : a.name, wife ? b.wife : b.name);
          if (c == 0) {
            c = CompareFolded(wife ? a.name : a.wife, wife ? b.name : b.wife);
          }
          if (c != 0) return c < 0;
        }
        return CompareFolded(a.reference, b.reference) < 0;
      });
}

AttributesConfigure::AttributesConfigure(AttributeOwner owner, const COptions& options,
                                         std::vector<ConfigureEntry> entries,
                                         ConfigureSortSettings sort)
    : AttributesConfigure(owner, options, std::move(entries), sort,
                          options.m_strGedcomFile) {}

AttributesConfigure::AttributesConfigure(AttributeOwner owner, const COptions& options,
                                         std::vector<ConfigureEntry> entries,
                                         ConfigureSortSettings sort,
                                         const std::string& gedcom_file)
    : owner_(owner),
      folders_(AttributeFolders::Of(options)),
      dest_folder_(options.m_strDestFolder),
      gedcom_name_(platform::FileNameOf(gedcom_file)),
      entries_(std::move(entries)),
      sort_(sort) {
  list_.CopyFrom(owner == AttributeOwner::kIndividuals ? options.m_indivAttributes
                                                       : options.m_familyAttributes);
  SortConfigureEntries(owner_, sort_, &entries_);
  for (const ConfigureEntry& entry : entries_) in_gedcom_.insert(entry.reference);
  Recount();
}

void AttributesConfigure::Recount() {
  with_attributes_.clear();
  for (const CAttributes& entry : list_.entries()) {
    with_attributes_.insert(entry.m_strReference);
  }
  list_.ClearMatches();
  for (const ConfigureEntry& entry : entries_) {
    if (list_.Find(entry.reference)) list_.m_pCurrent->m_bMatched = 1;
  }
  list_.m_pCurrent = nullptr;
  extra_count_ = list_.CountUnmatched();
}

void AttributesConfigure::SetSort(const ConfigureSortSettings& sort) {
  sort_ = sort;
  SortConfigureEntries(owner_, sort_, &entries_);
}

std::string AttributesConfigure::Title() const {
  std::string title = owner_ == AttributeOwner::kIndividuals ? "Configure Individuals"
                                                             : "Configure Families";
  if (!gedcom_name_.empty()) title += " in " + gedcom_name_;
  return title;
}

std::vector<std::string> AttributesConfigure::StatusLines() const {
  const int count = static_cast<int>(list_.size());
  std::vector<std::string> lines = {
      text::Printf("Attributes are defined for %d entr%s", count, Entries(count))};
  if (extra_count_ > 0) {
    lines.push_back(text::Printf("including %d entr%s not in this GEDCOM file",
                                 extra_count_, Entries(extra_count_)));
  }
  return lines;
}

std::string AttributesConfigure::PurgeToolTip() const {
  return "Clear attributes for entries not in \"" + gedcom_name_ + "\"";
}

std::string AttributesConfigure::EntryText(const ConfigureEntry& entry) const {
  std::string text = entry.name;
  if (owner_ == AttributeOwner::kFamilies && !entry.wife.empty()) {
    text += text.empty() ? entry.wife : " & " + entry.wife;
  }
  if (sort_.aliases && !entry.alias.empty()) text += " (" + entry.alias + ")";
  return text;
}

const CAttributes* AttributesConfigure::Find(const std::string& reference) {
  return list_.Find(reference) ? list_.m_pCurrent : nullptr;
}

bool AttributesConfigure::HasAttributes(const std::string& reference) const {
  return with_attributes_.count(reference) != 0;
}

bool AttributesConfigure::InGedcom(const std::string& reference) const {
  return in_gedcom_.count(reference) != 0;
}

void AttributesConfigure::Set(const std::string& reference, const CAttributes& values) {
  if (IsEmpty(values)) {
    Clear(reference);
    return;
  }
  CAttributes* entry = list_.Find(reference) ? list_.m_pCurrent : list_.Add(reference);
  entry->CopyFrom(values);
  entry->m_strReference = reference;
  modified_ = true;
  Recount();
}

FileChoice AttributesConfigure::ChooseFile(const std::string& reference,
                                           AttributeFileKind kind,
                                           const std::string& chosen,
                                           platform::Prompter& prompter) {
  FileChoice choice = ChooseAttributeFile(kind, chosen, dest_folder_, folders_, prompter);
  CAttributes values;
  if (list_.Find(reference)) values.CopyFrom(*list_.m_pCurrent);
  switch (kind) {
    case AttributeFileKind::kBiography:
    case AttributeFileKind::kNarrative:
      values.m_strLink = choice.value;
      break;
    case AttributeFileKind::kImportText:
      values.m_strText = choice.value;
      break;
    case AttributeFileKind::kIndividualImage:
    case AttributeFileKind::kGroupImage:
      values.m_strImage = choice.value;
      break;
  }
  if (choice.outcome == FileChoiceOutcome::kFolderChanged) modified_ = true;
  Set(reference, values);
  return choice;
}

bool AttributesConfigure::Clear(const std::string& reference) {
  bool removed = false;
  // An option set edited by hand may hold the reference twice.
  while (list_.Remove(reference)) {
    removed = true;
    list_.RebuildIndex();
  }
  if (removed) {
    modified_ = true;
    Recount();
  }
  return removed;
}

bool AttributesConfigure::ClearAll(platform::Prompter& prompter) {
  const char* kind = owner_ == AttributeOwner::kIndividuals ? "individuals" : "families";
  if (!prompter.Ask(MessageIcon::kQuestion, text::Printf(kClearAll, kind), false)) {
    return false;
  }
  if (!list_.empty()) modified_ = true;
  list_.RemoveAll();
  Recount();
  return true;
}

bool AttributesConfigure::Purge(platform::Prompter& prompter) {
  if (extra_count_ <= 0) return false;
  const char* these = extra_count_ == 1 ? "this extra entry" : "these extra entries";
  if (!prompter.Ask(MessageIcon::kQuestion,
                    text::Printf(kPurge, extra_count_, Entries(extra_count_), these),
                    false)) {
    return false;
  }
  list_.RemoveUnmatched();
  modified_ = true;
  Recount();
  return true;
}

bool AttributesConfigure::ConfirmDiscard(platform::Prompter& prompter) const {
  return !modified_ || prompter.Ask(MessageIcon::kQuestion, kDiscard, false);
}

std::optional<size_t> AttributesConfigure::NextWithAttributes(
    std::optional<size_t> from) const {
  for (size_t i = from ? *from + 1 : 0; i < entries_.size(); ++i) {
    if (HasAttributes(entries_[i].reference)) return i;
  }
  return std::nullopt;
}

std::optional<size_t> AttributesConfigure::PriorWithAttributes(
    std::optional<size_t> from) const {
  for (size_t i = from ? std::min(*from, entries_.size()) : entries_.size(); i > 0; --i) {
    if (HasAttributes(entries_[i - 1].reference)) return i - 1;
  }
  return std::nullopt;
}

void AttributesConfigure::ApplyTo(COptions& options) {
  CAttributesList& target = owner_ == AttributeOwner::kIndividuals
                                ? options.m_indivAttributes
                                : options.m_familyAttributes;
  target.RemoveAll();
  target.CopyFrom(list_);
  folders_.ApplyTo(options);
  modified_ = false;
}

}  // namespace vellix::options
