// The Extras tab: the opt-in additions to the site.
#pragma once

#include <QString>
#include <optional>

#include "shell/gui/options_page.h"

class QCheckBox;
class QLineEdit;

namespace vellix::gui {

/// What is wrong with `address` as the base address of the published site
/// (nothing when it is usable or empty).
std::optional<QString> BaseAddressProblem(const QString& address);

/// The Extras tab: switches for the search page, pages for phones and map
/// links, and the address the site is published at (which turns on
/// sitemap.xml, robots.txt and canonical links). It edits the option set's
/// extras; a base address that is not usable keeps the tab shown.
class CPageExtras : public OptionsPage {
 public:
  explicit CPageExtras(SheetContext& context, QWidget* parent = nullptr);

  QCheckBox* search() const { return search_; }
  QCheckBox* phones() const { return phones_; }
  QCheckBox* maps() const { return maps_; }
  QLineEdit* base_address() const { return base_url_; }

  bool Validate() override;

 private:
  QCheckBox* search_;
  QCheckBox* phones_;
  QCheckBox* maps_;
  QLineEdit* base_url_;
};

}  // namespace vellix::gui
