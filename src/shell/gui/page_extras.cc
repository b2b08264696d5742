#include "shell/gui/page_extras.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "options/extras_settings.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"

namespace vellix::gui {
namespace {

constexpr char kBaseUrlKey[] = "extras.base-url";

constexpr char kBaseUrlHint[] =
    "The address your site will be published at, such as "
    "https://example.org/family/. When given, each run also writes sitemap.xml and "
    "robots.txt for search engines, and every page gets a canonical link. Leave it "
    "empty for none of these.";

// The address as the option set keeps it: without surrounding blanks.
std::string Trimmed(const QString& address) { return FromQt(address.trimmed()); }

}  // namespace

std::optional<QString> BaseAddressProblem(const QString& address) {
  options::ExtrasSettings scratch;
  std::string error;
  if (options::SetExtrasValue(&scratch, kBaseUrlKey, Trimmed(address), &error)) {
    return std::nullopt;
  }
  const QString given = address.trimmed();
  const QString start = "The base address of the published site, \"" + given + "\", ";
  if (!given.startsWith("http://") && !given.startsWith("https://")) {
    return start + "must start with http:// or https://.";
  }
  return start +
         "must name a host and may not hold blanks, quotes, angle brackets or "
         "backslashes.";
}

CPageExtras::CPageExtras(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Extras", "Search, phones, maps && search engines",
                  topic::kExtras, parent),
      search_(new QCheckBox("Search page and search boxes")),
      phones_(new QCheckBox("Pages for phones (responsive style sheet)")),
      maps_(new QCheckBox("Map links next to places with coordinates")),
      base_url_(new QLineEdit) {
  Form form(this, bindings_, paths_);
  form.Group("Pages");
  form.Wide(search_);
  form.Wide(phones_);
  form.Wide(maps_);
  form.Group("Search Engines");
  base_url_->setMinimumWidth(
      base_url_->fontMetrics().horizontalAdvance("https://example.org/family/tree/") +
      16);
  form.Row("Base address of the published site:", base_url_);
  auto* hint = new QLabel(kBaseUrlHint);
  hint->setWordWrap(true);
  hint->setTextFormat(Qt::PlainText);
  form.Wide(hint);
  form.Stretch();

  bindings_.Custom(
      [this](const COptions& o) {
        search_->setChecked(o.extras.search);
        phones_->setChecked(o.extras.phones);
        maps_->setChecked(o.extras.maps);
        base_url_->setText(ToQt(o.extras.base_url));
      },
      [this](COptions& o) {
        o.extras.search = search_->isChecked();
        o.extras.phones = phones_->isChecked();
        o.extras.maps = maps_->isChecked();
        // An address that was refused never reaches the option set.
        std::string error;
        options::SetExtrasValue(&o.extras, kBaseUrlKey, Trimmed(base_url_->text()),
                                &error);
      });
}

bool CPageExtras::Validate() {
  const std::optional<QString> problem = BaseAddressProblem(base_url_->text());
  if (!problem) return true;
  context_.desktop.Show(this, BoxIcon::kExclamation, *problem);
  base_url_->setFocus();
  base_url_->selectAll();
  return false;
}

}  // namespace vellix::gui
