#include "options/option_defaults.h"

#include <algorithm>
#include <cctype>

#include "options/fact_kinds.h"
#include "options/option_layout.h"

namespace vellix::options {
namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

void CopyScalarItem(COptions& to, const COptions& from, const LayoutItem& item) {
  switch (item.kind) {
    case ItemKind::kBool:
      to.*item.b = from.*item.b;
      break;
    case ItemKind::kByte:
      to.*item.y = from.*item.y;
      break;
    case ItemKind::kInt32:
      to.*item.i = from.*item.i;
      break;
    case ItemKind::kString:
      to.*item.s = from.*item.s;
      break;
    default:
      break;
  }
}

}  // namespace

const COptions& DefaultOptions() {
  static const COptions defaults;
  return defaults;
}

void SetDefaultFactLabels(COptions& options, int first, int last) {
  auto& labels = options.m_factLabels;
  for (int kind = first; kind <= last && kind < kFactKindCount; ++kind) {
    if (kind >= 34 && kind <= 47) continue;  // user-defined: left as they are
    if (kind == 52) {
      labels[kind] = labels[8];
    } else if (kind == 59) {
      labels[kind] = options.m_strLblMarried;
    } else if (kind == 61) {
      labels[kind] = labels[29];
    } else {
      labels[kind] = FactKindDefaultLabel(kind);
    }
  }
}

void ApplyBlockDefaults(COptions& options, int version) {
  const COptions& defaults = DefaultOptions();
  for (const LayoutItem& item : FileLayout()) {
    if (item.version == version) CopyScalarItem(options, defaults, item);
  }
  switch (version) {
    case 33:
      options.m_strDtdPages = kDtdTransitional;
      options.m_strDtdFrames = kDtdFrameset;
      break;
    case 36:
      options.m_familyAttributes.RemoveAll();
      break;
    case 37:
      for (int kind = 48; kind < kFactKindCount; ++kind) {
        options.m_factInclude[kind] = 0;
      }
      options.m_factInclude[49] = 1;
      options.m_factInclude[59] = 2;
      if (options.m_factLabels.size() == kFactKindCount) {
        SetDefaultFactLabels(options, 48, kFactKindCount - 1);
      }
      break;
    default:
      break;
  }
}

void ApplyUpgradeConversions(COptions& options, int version) {
  if (version == 37) {
    // Version 37 put the initials choice at 1; the old 1 meant the text.
    if (options.m_nNameFilter == 1) options.m_nNameFilter = 2;
    options.m_bMailLinks = options.m_bWebLinks;
    if (options.m_bOtherFacts) {
      options.m_factInclude[49] = 1;
      options.m_factInclude[50] = 1;
    }
    options.m_nAltNames = options.m_nAltBmdFacts;
  } else if (version == 39) {
    options.m_bLinksTop = true;
    if (EqualsIgnoringCase(options.m_strDtdPages, kDtdTransitional) &&
        !options.m_bCitationsInFrame) {
      options.m_strDtdPages = kDtdStrict;
    }
  }
}

}  // namespace vellix::options
