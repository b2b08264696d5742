// Note blocks of the group sheet and where research, medical and marriage
// notes go: in the person's row or in the additional-information section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/family/fact_line.h"

namespace vellix::site {

struct PersonFacts;
struct FamilyFacts;

using NoteList = std::vector<std::vector<std::string>>;

/// A labelled block of notes: the label paragraph (or "<p>" without a
/// label), then the notes as paragraphs inside the "vx-inote" division.
std::string NoteBlock(const FactFormatter& f, std::string_view label,
                      const NoteList& notes, bool parent_target);

/// The notes placed in a person's row: medical notes ("Medical Notes"), then
/// research notes ("Notes"), each when its display choice is within page;
/// and with `marriage` (the husband's row) the family's marriage notes under
/// the "Marriage Notes" heading. Nothing for hidden people or a hidden
/// couple.
std::string NotesWithinPage(const FactFormatter& f, const PersonFacts& person,
                            const FamilyFacts* marriage, bool parent_target);

/// A person's entry of the additional-information section: the heading
/// paragraph ("(%02d) " for a child, `child_number` > 0, then the name and
/// ":"), the end-of-page facts and alternate names as paragraphs, then the
/// end-of-page medical and research notes. Empty when the person has none,
/// or is hidden.
std::string PersonEndSection(const FactFormatter& f, const PersonFacts& person,
                             int child_number, bool parent_target);

/// The family's entry of the additional-information section: the "Marriage
/// Notes" heading, the end-of-page family facts, the end-of-page marriage
/// notes as an unlabelled block. Empty when there is none or the couple is
/// hidden.
std::string FamilyEndSection(const FactFormatter& f, const FamilyFacts& family,
                             bool parent_target);

}  // namespace vellix::site
