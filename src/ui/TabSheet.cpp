#include "ui/TabSheet.h"

#include "ui/Canvas.h"
#include "ui/PageControl.h"

namespace ui {

TabSheet::TabSheet(ui::PageControl* pageControl)
    : Control(pageControl), TabVisible(true), DoubleBuffered(false), pageControl_(pageControl) {
  for (Property<int>* p : {&Left, &Top, &Width, &Height}) p->Watch(&placeWatcher_);
  TabVisible.OnChange([this] {
    if (pageControl_ != nullptr) pageControl_->PageTabChanged(this);
  });
  if (pageControl_ != nullptr) pageControl_->InsertPage(this);
}

int TabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  for (int i = 0; i < pageControl_->PageCount(); ++i) {
    if (pageControl_->Pages(i) == this) return i;
  }
  return -1;
}

void TabSheet::EnsureLaidOut() const {
  if (pageControl_ != nullptr) pageControl_->EnsureLaidOut();
}

void TabSheet::Paint(Canvas& canvas) { canvas.FillRect(ClientRect(), Color); }

void TabSheet::TextChanged() {
  // The caption is the tab's text: the strip is drawn anew.
  if (pageControl_ != nullptr) pageControl_->Invalidate();
}

}  // namespace ui
