#pragma once
// A set of pages with a strip of tabs along the top: a click on a tab shows
// its page and hides the one shown before. The pages are TabSheet controls
// made with the page control as their parent, in the order of their tabs.
#include <vector>

#include "ui/Control.h"
#include "ui/TabSheet.h"

namespace ui {

// How the tabs are drawn: classic tabs over a framed page, raised buttons,
// or flat buttons with the chosen one pressed in.
enum class TabStyle { Tabs, Buttons, FlatButtons };

class PageControl : public Control {
 public:
  explicit PageControl(Control* parent);
  ~PageControl() override;

  // The page shown; setting it (or its index) shows that page and hides
  // the others without firing OnChange.
  Property<TabSheet*> ActivePage;
  Property<int> ActivePageIndex;  // -1: no page shown
  Property<TabStyle> Style;
  Property<int> TabHeight;        // 0: fitted to the font
  Property<bool> DoubleBuffered;  // only recorded
  // After the player chose another page with the mouse.
  NotifyEvent OnChange;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The page at an index, or nullptr.
  TabSheet* Pages(int index) const;
  // The tab under a point of the control, or -1.
  int IndexOfTabAt(int x, int y) const;
  // Where the tab of a page is drawn (empty for a page without a tab).
  Rect TabRect(int index) const;
  // The part of the control the pages cover.
  Rect DisplayRect() const;
  // Shows the next (or previous) page that has a tab, wrapping round.
  void SelectNextPage(bool forward);

  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;

 protected:
  void Paint(Canvas& canvas) override;
  void Resized() override { LayOutPages(); }
  void FontChanged() override { LayOutPages(); }

 private:
  friend class TabSheet;
  void InsertPage(TabSheet* page);
  void PageTabChanged(TabSheet* page);
  void ShowActive();
  // Marks the pages' places to be worked out again; EnsureLaidOut does it.
  void LayOutPages();
  void EnsureLaidOut();
  int StripHeight() const;
  int TabWidth(const TabSheet* page) const;

  std::vector<TabSheet*> pages_;
  bool syncing_ = false;
  bool layoutStale_ = false;
  bool layingOut_ = false;
};

}  // namespace ui
