// The Features tab: source citations, privacy filters, index and multimedia.
#pragma once

#include "shell/gui/options_page.h"

class QLabel;
class QTabWidget;

namespace vellix::gui {

/// The Features tab with its sub-tabs Source Citations, Privacy Filters,
/// Surnames & Index and Multimedia (Gallery, Individuals, Families,
/// Citations, Bibliography, Thumbnails, Slides, Icons, Portraits).
class CPageFeatures : public OptionsPage {
 public:
  explicit CPageFeatures(SheetContext& context, QWidget* parent = nullptr);

  QTabWidget* sub_tabs() const { return tabs_; }
  QLabel* gallery_icon_caption() const { return icon_caption_; }

 private:
  QWidget* MakeCitations();
  QWidget* MakePrivacy();
  QWidget* MakeSurnames();
  QWidget* MakeMultimedia();
  QWidget* MakeGallery();
  QWidget* MakeThumbnails();
  QWidget* MakeSlides();
  QWidget* MakeIcons();
  QWidget* MakePortraits();

  QTabWidget* tabs_;
  QLabel* icon_caption_ = nullptr;
};

}  // namespace vellix::gui
