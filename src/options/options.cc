#include "options/options.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "options/fact_kinds.h"
#include "options/option_defaults.h"
#include "options/option_layout.h"
#include "text/charset.h"
#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix {
COptions::COptions() {
  m_factLabels.resize(kFactKindCount);
  options::SetDefaultFactLabels(*this, 0, kFactKindCount - 1);
  m_factInclude[49] = 1;
  m_factInclude[59] = 2;
}

void COptions::SetDefaults() {
  const COptions& defaults = options::DefaultOptions();
  extras = {};
  // General settings, label texts and date words.
  for (const options::LayoutItem& item : options::FileLayout()) {
    if (item.version > 30 || item.kind == options::ItemKind::kVersion) continue;
    switch (item.kind) {
      case options::ItemKind::kBool:
        this->*item.b = defaults.*item.b;
        break;
      case options::ItemKind::kByte:
        this->*item.y = defaults.*item.y;
        break;
      case options::ItemKind::kInt32:
        this->*item.i = defaults.*item.i;
        break;
      case options::ItemKind::kString:
        this->*item.s = defaults.*item.s;
        break;
      default:
        break;
    }
  }
  for (int version : {31, 32}) options::ApplyBlockDefaults(*this, version);
  // Fact labels, then display choices.
  if (m_factLabels.size() != kFactKindCount) m_factLabels.resize(kFactKindCount);
  options::SetDefaultFactLabels(*this, 0, kFactKindCount - 1);
  m_factInclude.fill(0);
  // The groups later layout versions added, as their upgrade applies them.
  for (int version = 33; version <= options::kLayoutVersion; ++version) {
    options::ApplyBlockDefaults(*this, version);
  }
  m_strDtdPages = kDtdStrict;
  m_strDtdFrames = kDtdFrameset;
  m_customColors.fill(16777215);
  m_indivAttributes.RemoveAll();
  m_familyAttributes.RemoveAll();
}

void COptions::ResetForNewFile() {
  m_nVersion = options::kLayoutVersion;
  m_nFileVersion = 0;
  m_indivAttributes.RemoveAll();
  m_familyAttributes.RemoveAll();
  m_factLabels.clear();
}

void COptions::ClampValues() {
  struct Range {
    int32_t COptions::*member;
    int32_t low;
    int32_t high;
    int32_t replacement;
  };
  static constexpr Range kRanges[] = {
      {&COptions::m_nDateWidth, 0, 80, 25},
      {&COptions::m_nIndexPerPage, 1, 10000, 150},
      {&COptions::m_nTopSurnames, 1, 100, 10},
      {&COptions::m_nLabelWidth, 0, 65535, 9},
      {&COptions::m_nBiblioPerPage, 1, 10000, 25},
      {&COptions::m_nRepositoryPerPage, 1, 10000, 25},
      {&COptions::m_nSurnamePartitions, 1, 100, 1},
      {&COptions::m_nSlideSize, 20, 10000, 600},
      {&COptions::m_nThumbSize, 20, 10000, 150},
      {&COptions::m_nThumbColumns, 1, 1000, 3},
      {&COptions::m_nThumbRows, 1, 1000, 6},
      {&COptions::m_nIndivPortraitWidth, 20, 10000, 75},
      {&COptions::m_nFamilyPortraitSize, 20, 10000, 350},
  };
  for (const Range& range : kRanges) {
    int32_t& value = this->*range.member;
    if (value < range.low || value > range.high) value = range.replacement;
  }
}

std::string COptions::GetPageExtension() const {
  if (m_strFileExt.empty() || m_strFileExt[0] == '.') return m_strFileExt;
  return "." + m_strFileExt;
}

void COptions::GetFactIncludes(uint8_t out[kFactKindCount]) const {
  std::copy(m_factInclude.begin(), m_factInclude.end(), out);
}

void COptions::SetFactIncludes(const uint8_t in[kFactKindCount]) {
  std::copy(in, in + kFactKindCount, m_factInclude.begin());
}

std::string COptions::GetFactLabel(int kind) {
  if (kind < 0 || kind >= kFactKindCount ||
      m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    return {};
  }
  if (kind == 52) {
    kind = 8;
  } else if (kind == 61) {
    kind = 29;
  } else if (kind == 59) {
    m_factLabels[59] = m_strLblMarried;
  }
  return m_factLabels[kind];
}

bool COptions::HasFactLabel(int kind) { return !GetFactLabel(kind).empty(); }

void COptions::SetFactLabel(int kind, const std::string& text) {
  if (kind < 0 || kind >= kFactKindCount ||
      m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    return;
  }
  m_factLabels[kind] = text;
}

int COptions::GetExtraLinkMask() const {
  return (m_bExtra1 ? 1 : 0) | (m_bExtra2 ? 2 : 0) | (m_bExtra3 ? 4 : 0);
}

std::string COptions::GetDefaultDtd(bool strict) {
  return strict ? kDtdStrict : kDtdTransitional;
}

std::string COptions::GetFramesetDtd() { return kDtdFrameset; }

bool COptions::IsStrictDtd() const {
  const std::string upper = text::AsciiUpper(m_strDtdPages);
  for (const char* id : {"-//W3C//DTD HTML 4.01//", "-//W3C//DTD XHTML 1.0 STRICT//",
                         "-//W3C//DTD XHTML 1.1//"}) {
    if (upper.find(id) != std::string::npos) return true;
  }
  return false;
}

bool COptions::HasFrameTargets() const {
  const std::string joined =
      m_strHomeTarget + m_strBioTarget + m_strWebTarget + m_strNarrTarget +
      m_strExtra1Target + m_strExtra2Target + m_strExtra3Target +
      m_strIndivGalleryTarget + m_strFamilyGalleryTarget + m_strCitationGalleryTarget +
      m_strBiblioGalleryTarget + m_strSlideTarget + m_strThumbTarget;
  return !text::TrimSpace(joined).empty();
}

std::string COptions::GetImageAltText(const std::string& caption,
                                      const std::string& file_name) const {
  std::string text = m_strImageText;
  const auto append = [&text](const std::string& part) {
    if (!text.empty()) text += ' ';
    text += part;
  };
  if (m_bImageTextCaption && !caption.empty()) append(caption);
  if (m_bImageTextFile && !file_name.empty()) append(file_name);
  return text::EscapeHtml(text);
}

bool COptions::FilterLivingName(bool is_living, std::string& name) const {
  if (!is_living) return false;
  if (m_bExcludeLiving) {
    name = ">>>";
    return true;
  }
  if (m_nNameFilter == 1) {
    std::string initials;
    size_t pos = 0;
    while (pos < name.size()) {
      if (name[pos] == ' ') {
        ++pos;
        continue;
      }
      if (!initials.empty()) initials += ' ';
      initials += name.substr(pos, charset::Utf8CharLength(name, pos));
      initials += '.';
      while (pos < name.size() && name[pos] != ' ') ++pos;
    }
    name = initials;
    return true;
  }
  if (m_nNameFilter == 2) {
    name = m_strPrivateName;
    return true;
  }
  return false;
}

bool COptions::FilterLivingDate(bool is_living, std::string& date) const {
  if (!is_living || m_bExcludeLiving || !m_bFilterDates) return false;
  date = text::EscapeHtml(m_strPrivateDate);
  return true;
}

bool COptions::ExcludeLivingDetails(bool is_living) const {
  return is_living && !m_bExcludeLiving && !m_bLivingDetails;
}

void COptions::NormalizePaths() {
  for (std::string COptions::*member : options::PathSettings()) {
    std::replace((this->*member).begin(), (this->*member).end(), '/', '\\');
  }
}

}  // namespace vellix
