#include "media/media_objects.h"

#include <utility>

#include "gedcom/continuation_lines.h"
#include "gedcom/gedcom_reader.h"
#include "text/string_ops.h"

namespace vellix::media {
namespace {

bool IsYes(std::string_view value) {
  return text::EqualsNoCase(text::TrimSpace(value), "Y");
}

}  // namespace

bool IsWebAddress(std::string_view value) {
  const std::string lower = text::AsciiLower(value.substr(0, 8));
  for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"}) {
    if (lower.starts_with(scheme)) return true;
  }
  return false;
}

std::string SameFileKey(const MediaItem& item) {
  if (item.web_address) return "web:" + item.source_path;
  return "file:" + text::AsciiLower(item.source_path);
}

bool MediaList::Add(MediaItem item) {
  ++files_read_;
  const bool fresh = seen_.insert(SameFileKey(item)).second;
  if (!fresh) {
    ++repeated_files_;
    if (omit_duplicates_) return false;
  }
  items_.push_back(std::move(item));
  return true;
}

std::unique_ptr<GedcomNode> CopyNode(const GedcomNode& node) {
  auto root =
      std::make_unique<GedcomNode>(node.level, node.tagCode, node.tag, node.value);
  root->pointer = node.pointer;
  std::vector<std::pair<const GedcomNode*, GedcomNode*>> pending{{&node, root.get()}};
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    // Every child is in place before any address is taken, so the vector
    // never moves them afterwards.
    to->children.reserve(from->children.size());
    for (const GedcomNode& child : from->children) {
      to->children.emplace_back(child.level, child.tagCode, child.tag, child.value);
      to->children.back().pointer = child.pointer;
    }
    for (size_t i = 0; i < from->children.size(); ++i) {
      pending.emplace_back(&from->children[i], &to->children[i]);
    }
  }
  return root;
}

std::vector<std::string> MediaObjectReader::NoteLines(const GedcomNode& note) const {
  std::vector<std::string> lines;
  if (!note.pointer.empty()) {
    if (reader_ == nullptr) return lines;
    GedcomRecord* record = nullptr;
    reader_->LoadRecord(RecordKind::kNote, note.pointer, false, &record);
    if (record != nullptr) SplitContinuationLines(*record, &lines);
    return lines;
  }
  SplitContinuationLines(note, &lines);
  return lines;
}

void MediaObjectReader::ReadLines(const std::vector<GedcomNode>& lines, MediaItem* item,
                                  std::string* file) const {
  auto take_form_and_title = [item](const GedcomNode& line) {
    if (line.tagCode == kTagForm) {
      item->form = line.value;
    } else if (line.tagCode == kTagTitl) {
      JoinContinuationLines(line, &item->title);
    }
  };
  for (const GedcomNode& line : lines) {
    switch (line.tagCode) {
      case kTagFile:
        // A later FILE line of the same object replaces an earlier one.
        JoinContinuationLines(line, file);
        for (const GedcomNode& below : line.children) take_form_and_title(below);
        break;
      case kTagForm:
      case kTagTitl:
        take_form_and_title(line);
        break;
      case kTagDate:
        item->date = line.value;
        break;
      case kTagNote: {
        std::vector<std::string> note = NoteLines(line);
        if (!note.empty()) item->notes.push_back(std::move(note));
        break;
      }
      case kTagRefn:
        if (!line.value.empty()) item->reference_numbers.push_back(line.value);
        break;
      case kTagSour:
        item->citations.push_back(CopyNode(line));
        break;
      case kTagScrapbook:
        if (IsYes(line.value)) item->scrapbook = true;
        break;
      case kTagPrimary:
        if (IsYes(line.value)) item->primary = true;
        break;
      default:
        break;
    }
  }
}

bool MediaObjectReader::Read(const GedcomNode& obje, MediaItem* item) const {
  MediaItem read;
  std::string file;
  if (!obje.pointer.empty() && reader_ != nullptr) {
    GedcomRecord* record = nullptr;
    reader_->LoadRecord(RecordKind::kMultimedia, obje.pointer, false, &record);
    if (record != nullptr) ReadLines(record->children, &read, &file);
  }
  ReadLines(obje.children, &read, &file);
  file = std::string(text::TrimSpace(file));
  if (file.empty()) return false;

  MediaItem placed = IsWebAddress(file) ? MediaItem{} : MakeMediaItem(file);
  if (IsWebAddress(file)) {
    placed.source_path = file;
    placed.file_name = file;
    placed.extension = "html";  // shown with the icon of web pages
    placed.web_address = true;
  } else if (placed.code == MediaCode::kNone && !read.form.empty()) {
    // The file name tells the kind; FORM only where the name does not (its
    // values are often a program's own words: "W8BN", "PICT", "URL").
    placed.code = CodeForExtension(read.form);
  }
  placed.form = std::move(read.form);
  placed.title = std::move(read.title);
  placed.date = std::move(read.date);
  placed.notes = std::move(read.notes);
  placed.reference_numbers = std::move(read.reference_numbers);
  placed.citations = std::move(read.citations);
  placed.scrapbook = read.scrapbook;
  placed.primary = read.primary;
  *item = std::move(placed);
  return true;
}

void MediaObjectReader::AddObject(const GedcomNode& obje, ObjectFilter filter,
                                  MediaList* list) const {
  MediaItem item;
  if (!Read(obje, &item)) return;
  if (filter == ObjectFilter::kScrapbookOnly && !item.scrapbook) return;
  list->Add(std::move(item));
}

void MediaObjectReader::AddObjects(const std::vector<GedcomNode>& children,
                                   ObjectFilter filter, MediaList* list) const {
  for (const GedcomNode& line : children) {
    if (line.tagCode == kTagObje) AddObject(line, filter, list);
  }
}

std::vector<std::shared_ptr<const GedcomNode>> MediaObjectReader::CopyObjects(
    const std::vector<GedcomNode>& children) {
  std::vector<std::shared_ptr<const GedcomNode>> copies;
  for (const GedcomNode& line : children) {
    if (line.tagCode == kTagObje) copies.push_back(CopyNode(line));
  }
  return copies;
}

}  // namespace vellix::media
