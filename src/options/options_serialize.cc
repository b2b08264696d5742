// The option set file image: COptions::ReadFrom and COptions::WriteToString.
#include <cstring>

#include "options/option_archive.h"
#include "options/option_defaults.h"
#include "options/option_layout.h"
#include "options/options.h"

namespace vellix {
namespace {

using options::ArchiveReader;
using options::ArchiveWriter;
using options::ItemKind;
using options::LayoutItem;

constexpr int kFirstFactCount = 48;
constexpr int kLaterFactCount = kFactKindCount - kFirstFactCount;  // 14

void ReadAttributes(ArchiveReader& in, CAttributesList& list) {
  list.RemoveAll();
  const int32_t count = in.Int32();
  for (int32_t n = 0; n < count && in.ok(); ++n) {
    CAttributes entry;
    entry.m_strReference = in.String();
    entry.m_strLink = in.String();
    entry.m_strText = in.String();
    entry.m_strImage = in.String();
    entry.m_strCaption = in.String();
    if (!in.ok()) break;
    list.entries().push_back(std::move(entry));
  }
  list.RebuildIndex();
}

void WriteAttributes(ArchiveWriter& out, const CAttributesList& list) {
  out.Int32(static_cast<int32_t>(list.size()));
  for (const CAttributes& entry : list.entries()) {
    out.String(entry.m_strReference);
    out.String(entry.m_strLink);
    out.String(entry.m_strText);
    out.String(entry.m_strImage);
    out.String(entry.m_strCaption);
  }
}

// The magic compared as text up to its first zero byte.
bool IsMagic(const std::string& bytes) {
  const size_t end = bytes.find('\0');
  return bytes.substr(0, end) == options::kMagic;
}

}  // namespace

bool COptions::ReadFrom(const std::string& data) {
  ArchiveReader in(data);
  const int32_t file_version = in.Int32();
  const std::string magic = in.Raw(options::kMagicSize);
  if (!in.ok()) return false;
  if (!IsMagic(magic)) {
    m_nLoadError = 1;
    return true;
  }
  m_nFileVersion = file_version;
  m_nVersion = options::kLayoutVersion;

  m_factLabels.assign(kFactKindCount, std::string());
  options::SetDefaultFactLabels(*this, 0, kFactKindCount - 1);

  int32_t later_count = 0;
  int current_block = 0;
  for (const LayoutItem& item : options::FileLayout()) {
    if (item.version != current_block) {
      current_block = item.version;
      if (file_version < current_block) {  // block 0 is in every file
        options::ApplyBlockDefaults(*this, current_block);
        options::ApplyUpgradeConversions(*this, current_block);
      }
    }
    if (file_version < current_block) continue;
    switch (item.kind) {
      case ItemKind::kVersion:
      case ItemKind::kMagic:
        break;  // read above
      case ItemKind::kBool:
        this->*item.b = in.Bool();
        break;
      case ItemKind::kByte:
        this->*item.y = in.Byte();
        break;
      case ItemKind::kInt32:
        this->*item.i = in.Int32();
        break;
      case ItemKind::kString:
        this->*item.s = in.String();
        break;
      case ItemKind::kColors:
        for (uint32_t& color : m_customColors) color = in.UInt32();
        break;
      case ItemKind::kFactCount48:
        in.Int32();  // always 48; the count is fixed
        break;
      case ItemKind::kFactInclude48:
        for (int kind = 0; kind < kFirstFactCount; ++kind) {
          m_factInclude[kind] = in.Byte();
        }
        break;
      case ItemKind::kFactLabels48:
        for (int kind = 0; kind < kFirstFactCount && in.ok(); ++kind) {
          m_factLabels[kind] = in.String();
        }
        break;
      case ItemKind::kAttributes:
        ReadAttributes(in, this->*item.a);
        break;
      case ItemKind::kFactCountN:
        later_count = in.Int32();
        break;
      case ItemKind::kFactIncludeN:
        for (int32_t n = 0; n < later_count && in.ok(); ++n) {
          const uint8_t choice = in.Byte();
          if (n < kLaterFactCount) m_factInclude[kFirstFactCount + n] = choice;
        }
        break;
      case ItemKind::kFactLabelsN:
        for (int32_t n = 0; n < later_count && in.ok(); ++n) {
          std::string label = in.String();
          if (n < kLaterFactCount) m_factLabels[kFirstFactCount + n] = std::move(label);
        }
        break;
    }
    if (!in.ok()) return false;
  }
  NormalizePaths();
  ClampValues();
  return true;
}

std::string COptions::WriteToString() {
  m_nLoadError = 0;
  m_nFileVersion = m_nVersion;
  NormalizePaths();
  if (m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    m_factLabels.resize(kFactKindCount);
  }
  ArchiveWriter out;
  for (const LayoutItem& item : options::FileLayout()) {
    switch (item.kind) {
      case ItemKind::kVersion:
        out.Int32(m_nVersion);
        break;
      case ItemKind::kMagic: {
        char magic[options::kMagicSize] = {};
        std::memcpy(magic, options::kMagic, std::strlen(options::kMagic));
        out.Raw(std::string_view(magic, sizeof magic));
        break;
      }
      case ItemKind::kBool:
        out.Bool(this->*item.b);
        break;
      case ItemKind::kByte:
        out.Byte(this->*item.y);
        break;
      case ItemKind::kInt32:
        out.Int32(this->*item.i);
        break;
      case ItemKind::kString:
        out.String(this->*item.s);
        break;
      case ItemKind::kColors:
        for (uint32_t color : m_customColors) out.UInt32(color);
        break;
      case ItemKind::kFactCount48:
        out.Int32(kFirstFactCount);
        break;
      case ItemKind::kFactInclude48:
        for (int kind = 0; kind < kFirstFactCount; ++kind) out.Byte(m_factInclude[kind]);
        break;
      case ItemKind::kFactLabels48:
        for (int kind = 0; kind < kFirstFactCount; ++kind) out.String(m_factLabels[kind]);
        break;
      case ItemKind::kAttributes:
        WriteAttributes(out, this->*item.a);
        break;
      case ItemKind::kFactCountN:
        out.Int32(kLaterFactCount);
        break;
      case ItemKind::kFactIncludeN:
        for (int kind = kFirstFactCount; kind < kFactKindCount; ++kind) {
          out.Byte(m_factInclude[kind]);
        }
        break;
      case ItemKind::kFactLabelsN:
        for (int kind = kFirstFactCount; kind < kFactKindCount; ++kind) {
          out.String(m_factLabels[kind]);
        }
        break;
    }
  }
  return out.data();
}

}  // namespace vellix
