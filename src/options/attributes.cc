#include "options/attributes.h"

namespace vellix {

void CAttributes::CopyFrom(const CAttributes& other) {
  m_strReference = other.m_strReference;
  m_strLink = other.m_strLink;
  m_strText = other.m_strText;
  m_strImage = other.m_strImage;
  m_strCaption = other.m_strCaption;
}

void CAttributes::Empty() {
  m_strReference.clear();
  m_strLink.clear();
  m_strText.clear();
  m_strImage.clear();
  m_strCaption.clear();
}

CAttributesList::CAttributesList(const CAttributesList& other) { CopyFrom(other); }

CAttributesList& CAttributesList::operator=(const CAttributesList& other) {
  if (this != &other) {
    RemoveAll();
    CopyFrom(other);
    m_strDisplay.clear();
  }
  return *this;
}

void CAttributesList::RemoveAll() {
  entries_.clear();
  m_index.clear();
  m_pCurrent = nullptr;
  m_iterPos = entries_.end();
  m_bRestart = true;
}

CAttributes* CAttributesList::Add(const std::string& reference) {
  entries_.emplace_back();
  auto last = std::prev(entries_.end());
  m_index[reference] = last;
  m_pCurrent = &*last;
  return m_pCurrent;
}

bool CAttributesList::Find(const std::string& reference) {
  const auto found = m_index.find(reference);
  if (found == m_index.end()) {
    m_pCurrent = nullptr;
    return false;
  }
  m_pCurrent = &*found->second;
  return true;
}

bool CAttributesList::Remove(const std::string& reference) {
  const auto found = m_index.find(reference);
  if (found == m_index.end()) return false;
  const Entries::iterator entry = found->second;
  if (m_pCurrent == &*entry) m_pCurrent = nullptr;
  if (m_iterPos == entry) m_iterPos = std::next(entry);
  m_index.erase(found);
  entries_.erase(entry);
  return true;
}

void CAttributesList::CopyFrom(const CAttributesList& other) {
  for (const CAttributes& entry : other.entries_) {
    entries_.emplace_back();
    entries_.back().CopyFrom(entry);
  }
  RebuildIndex();
}

bool CAttributesList::RebuildIndex() {
  m_index.clear();
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    m_index[it->m_strReference] = it;
  }
  return !entries_.empty();
}

CAttributes* CAttributesList::GetNext() {
  if (m_bRestart) {
    m_iterPos = entries_.begin();
    m_bRestart = false;
  }
  if (m_iterPos == entries_.end()) {
    m_bRestart = true;
    return nullptr;
  }
  CAttributes* entry = &*m_iterPos;
  ++m_iterPos;
  return entry;
}

void CAttributesList::ClearMatches() {
  for (CAttributes& entry : entries_) entry.m_bMatched = 0;
}

int CAttributesList::CountUnmatched() const {
  int count = 0;
  for (const CAttributes& entry : entries_) count += entry.m_bMatched == 0 ? 1 : 0;
  return count;
}

int CAttributesList::RemoveUnmatched() {
  const size_t before = entries_.size();
  entries_.remove_if([](const CAttributes& entry) { return entry.m_bMatched == 0; });
  m_pCurrent = nullptr;
  m_iterPos = entries_.end();
  m_bRestart = true;
  RebuildIndex();
  return static_cast<int>(before - entries_.size());
}

std::string CAttributesList::GetImageText() {
  m_strDisplay.clear();
  if (m_pCurrent != nullptr) {
    m_strDisplay = m_pCurrent->m_strImage;
    if (!m_pCurrent->m_strImage.empty() && !m_pCurrent->m_strCaption.empty()) {
      m_strDisplay += ";" + m_pCurrent->m_strCaption;
    }
  }
  return m_strDisplay;
}

}  // namespace vellix
