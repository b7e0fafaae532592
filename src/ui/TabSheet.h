#pragma once
// One page of a page control: a container whose controls show only while it
// is the control's active page. Its Caption is the text of its tab.
#include "ui/Control.h"

namespace ui {

class PageControl;

class TabSheet : public Control {
 public:
  // The sheet becomes the last page of the page control, which owns it.
  explicit TabSheet(ui::PageControl* pageControl);

  // Whether the page has a tab at all; a page without one can't be chosen.
  Property<bool> TabVisible;
  Property<bool> DoubleBuffered;  // our drawing never flickers; only recorded

  ui::PageControl* PageControl() const { return pageControl_; }
  // The place of the page among the control's pages, or -1.
  int PageIndex() const;

 protected:
  void Paint(Canvas& canvas) override;
  void TextChanged() override;

 private:
  friend class ui::PageControl;
  // The page's place is laid out by its control when someone looks at it
  // (or just before someone else sets it): the tabs' font is then measured
  // only for page controls that are shown.
  struct PlaceWatcher : PropertyWatcher {
    explicit PlaceWatcher(TabSheet* sheet) : sheet(sheet) {}
    void BeforeRead() const override { sheet->EnsureLaidOut(); }
    void BeforeWrite() const override { sheet->EnsureLaidOut(); }
    TabSheet* sheet;
  };
  void EnsureLaidOut() const;
  ui::PageControl* pageControl_;
  PlaceWatcher placeWatcher_{this};
};

}  // namespace ui
