#include "model/privacy.h"

#include "model/dates.h"
#include "options/options.h"
#include "text/html_escape.h"

namespace vellix {
namespace {

// Support flag that makes a death line without a date not count.
constexpr unsigned kFlagDatedDeathsOnly = 4;

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

PrivacyFilter::PrivacyFilter(const COptions& options, platform::SupportFlags support,
                             bool all_events)
    : options_(options), support_(support), all_events_(all_events) {}

bool PrivacyFilter::HasDeath(const GedcomRecord& individual) const {
  const bool dated_only = support_.Has(kFlagDatedDeathsOnly);
  for (const GedcomNode& death : individual.Children(kTagDeat)) {
    if (!dated_only || !IsBlank(EventDateOf(death))) return true;
    if (!all_events_) break;
  }
  return false;
}

bool PrivacyFilter::IsLiving(const GedcomRecord& individual) const {
  if (HasDeath(individual)) return false;
  if (!options_.m_bAssumeLiving) return true;
  for (const GedcomNode& birth : individual.Children(kTagBirt)) {
    int32_t year = YearOf(EventDateOf(birth));
    if (year != 0 && year <= options_.m_nLivingYear) return false;
    if (!all_events_) break;
  }
  return true;
}

Inclusion PrivacyFilter::IsIncluded(const GedcomRecord& individual) const {
  Inclusion result;
  result.living = IsLiving(individual);
  result.included = !(result.living && options_.m_bExcludeLiving);
  return result;
}

bool PrivacyFilter::FilterGivenNames(bool living, std::string* names) const {
  return options_.FilterLivingName(living, *names);
}

bool PrivacyFilter::FilterBirthDate(bool living, std::string* date) const {
  if (!living) return false;
  if (options_.m_bExcludeLiving) {
    date->clear();
    return true;
  }
  if (!options_.m_bFilterDates) return false;
  *date = text::EscapeNamedEntities(options_.m_strPrivateDate);
  return true;
}

bool PrivacyFilter::HideDetails(bool living) const {
  if (!living) return false;
  return options_.m_bExcludeLiving || options_.ExcludeLivingDetails(living);
}

}  // namespace vellix
