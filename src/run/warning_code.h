// The numbered warnings a run can raise; the number is what the summary log
// and warnings.txt have always used, so it never changes.
#pragma once

namespace vellix {

/// What a warning is about. The comment gives the line the warning writes
/// and the arguments of WarningLog::Add it reads.
enum class WarningCode : int {
  kCanceled = 0,                   // "Web page generation was CANCELED."
  kLowDiskSpace = 1,               // text: drive; asks whether to go on
  kMarriageFactsExcluded = 2,      // marriage facts are not shown
  kMarriageFactsSplit = 3,         // primary at end of page, alternate within
  kAlternateMarriageExcluded = 4,  // alternate marriages left out with marriages
  kFileNotWritten = 5,             // text: file, ref: page ("Missing Files")
  kIndividualImageMissing = 6,     // text: image, ref, record name
  kGroupImageMissing = 7,          // text: image, ref
  kImportedTextMissing = 8,        // text: file, ref
  kBiographyMissing = 9,           // text: file, ref, record name
  kNarrativeMissing = 10,          // text: file, ref
  kUserFactExcluded = 11,          // text: fact, ref, record name
  kNonstandardTagIgnored = 12,     // text: tag; once per tag
  kNonstandardTagRemapped = 13,    // text: tag; once per tag
  kVerboseTags = 14,               // the file uses long tag names: run failed
  kNotGedcom = 15,                 // the input is no GEDCOM file: run failed
  kNotGedcom55 = 16,               // the header names another version
  kLineTooLong = 17,               // text: line number and tag
  kFamilyWithoutReference = 18,    // counted; reported in one line by 19
  kFamiliesWithoutReference = 19,  // the line for the families counted by 18
  kPageIdNotUnique = 20,           // text: page identifier, ref: the one used
  kCircularReference = 21,         // ref: family
  kMediaInaccessible = 22,         // text: file, ref; once per ref and file
  kNoSuchIcon = 23,                // text: icon file, extra: extension
  kFrameTargetsIgnored = 24,       // strict pages with frame targets set
  kCitationFrameRefused = 25,      // citations in a frame under strict pages
  kMonoFontNeedsStrict = 26,       // non-proportional font, transitional pages
  kRecordDropped = 27,             // text: record ("@I5@ INDI"), extra: line number
  kMemberRepeated = 28,            // text: individual, ref: family
  kSpousesCut = 29,  // text: spouse count, ref: page, record name, extra: spouses listed
};

}  // namespace vellix
