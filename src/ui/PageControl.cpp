#include "ui/PageControl.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"

namespace ui {

namespace {
constexpr int kTabPadding = 8;  // blank on each side of a tab's text
constexpr int kButtonGap = 3;   // between buttons of the button styles
constexpr int kPageGap = 3;     // between the strip and the pages of the button styles
constexpr int kFrame = 2;       // the frame round the pages of the tab style

Color Lighter(Color c, int amount) {
  auto up = [amount](uint8_t v) { return static_cast<uint8_t>(std::min(255, v + amount)); };
  return Color{up(c.r), up(c.g), up(c.b), c.a};
}
}  // namespace

PageControl::PageControl(Control* parent)
    : Control(parent),
      ActivePage(nullptr),
      ActivePageIndex(-1),
      Style(TabStyle::Tabs),
      TabHeight(0),
      DoubleBuffered(false) {
  Width.SetQuietly(289);
  Height.SetQuietly(193);
  ActivePage.OnChange([this] {
    if (syncing_) return;
    TabSheet* page = ActivePage;
    if (page != nullptr && std::find(pages_.begin(), pages_.end(), page) == pages_.end()) page = nullptr;
    syncing_ = true;
    ActivePage = page;
    ActivePageIndex = page != nullptr ? page->PageIndex() : -1;
    syncing_ = false;
    ShowActive();
  });
  ActivePageIndex.OnChange([this] {
    if (syncing_) return;
    TabSheet* page = Pages(ActivePageIndex);
    syncing_ = true;
    ActivePage = page;
    ActivePageIndex = page != nullptr ? ActivePageIndex() : -1;
    syncing_ = false;
    ShowActive();
  });
  Style.OnChange([this] { LayOutPages(); });
  TabHeight.OnChange([this] { LayOutPages(); });
}

PageControl::~PageControl() {
  // The sheets are deleted with the other children after this.
  for (TabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

TabSheet* PageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) return nullptr;
  return pages_[static_cast<size_t>(index)];
}

void PageControl::InsertPage(TabSheet* page) {
  pages_.push_back(page);
  page->Visible.SetQuietly(false);
  LayOutPages();
  if (ActivePage() == nullptr && page->TabVisible) {
    ActivePage = page;
  } else {
    Invalidate();
  }
}

void PageControl::PageTabChanged(TabSheet* page) {
  LayOutPages();
  if (ActivePage() == page && !page->TabVisible) {
    SelectNextPage(true);
    if (ActivePage() == page) ActivePage = nullptr;
  }
  Invalidate();
}

void PageControl::ShowActive() {
  for (TabSheet* page : pages_) page->Visible = page == ActivePage();
  Invalidate();
}

void PageControl::SelectNextPage(bool forward) {
  const int count = PageCount();
  if (count == 0) return;
  int index = ActivePageIndex;
  for (int step = 0; step < count; ++step) {
    index = forward ? (index + 1) % count : (index - 1 + count) % count;
    if (pages_[static_cast<size_t>(index)]->TabVisible) {
      ActivePageIndex = index;
      return;
    }
  }
}

int PageControl::StripHeight() const {
  if (TabHeight > 0) return TabHeight;
  if (ParentForm() == nullptr) return 20;
  return ParentForm()->App().Fonts().LineHeight(Font.Info()) + 6;
}

int PageControl::TabWidth(const TabSheet* page) const {
  if (ParentForm() == nullptr) return 2 * kTabPadding;
  return ParentForm()->App().Fonts().Measure(Font.Info(), page->Caption()).width + 2 * kTabPadding;
}

Rect PageControl::TabRect(int index) const {
  const TabSheet* target = Pages(index);
  if (target == nullptr || !target->TabVisible) return Rect{};
  const int gap = Style == TabStyle::Tabs ? 0 : kButtonGap;
  int x = Style == TabStyle::Tabs ? kFrame : 0;
  for (const TabSheet* page : pages_) {
    if (!page->TabVisible) continue;
    const int w = TabWidth(page);
    if (page == target) return Rect{x, 0, w, StripHeight()};
    x += w + gap;
  }
  return Rect{};
}

int PageControl::IndexOfTabAt(int x, int y) const {
  for (int i = 0; i < PageCount(); ++i) {
    if (TabRect(i).Contains(Point{x, y})) return i;
  }
  return -1;
}

Rect PageControl::DisplayRect() const {
  const int top = StripHeight();
  if (Style == TabStyle::Tabs) {
    return Rect{kFrame, top + kFrame, std::max(0, Width - 2 * kFrame), std::max(0, Height - top - 2 * kFrame)};
  }
  return Rect{0, top + kPageGap, Width, std::max(0, Height - top - kPageGap)};
}

void PageControl::LayOutPages() {
  layoutStale_ = true;
  Invalidate();
}

void PageControl::EnsureLaidOut() {
  if (!layoutStale_ || layingOut_) return;
  layoutStale_ = false;
  layingOut_ = true;
  try {
    const Rect r = DisplayRect();
    for (TabSheet* page : pages_) page->SetBounds(r.left, r.top, r.width, r.height);
  } catch (...) {
    layingOut_ = false;
    throw;
  }
  layingOut_ = false;
}

void PageControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left) {
    const int index = IndexOfTabAt(x, y);
    if (index >= 0 && index != ActivePageIndex) {
      ActivePageIndex = index;
      if (OnChange) OnChange(*this);
    }
  }
  Control::MouseDown(button, shift, x, y);
}

void PageControl::Paint(Canvas& canvas) {
  const Rect all = ClientRect();
  canvas.FillRect(all, Color);
  const ui::Color face = Color();
  const Rect page = DisplayRect();
  if (Style == TabStyle::Tabs) {
    canvas.Bevel(Rect{0, page.top - kFrame, all.width, all.height - page.top + kFrame}, true);
  }
  FontInfo info = Font.Info();
  if (!IsEnabled()) info.color = clGrayText;
  const int lineHeight = canvas.LineHeight(info);
  for (int i = 0; i < PageCount(); ++i) {
    Rect tab = TabRect(i);
    if (tab.Empty()) continue;
    const bool active = i == ActivePageIndex;
    switch (Style()) {
      case TabStyle::Tabs:
        // The chosen tab stands two pixels higher and joins its page.
        if (active) {
          tab = Rect{tab.left - 2, 0, tab.width + 4, tab.height + kFrame};
        } else {
          tab = Rect{tab.left, 2, tab.width, tab.height - 2};
        }
        canvas.FillRect(tab, face);
        canvas.HLine(tab.left + 1, tab.right() - 2, tab.top, clBtnHighlight);
        canvas.VLine(tab.left, tab.top + 1, tab.bottom() - 1, clBtnHighlight);
        canvas.VLine(tab.right() - 1, tab.top + 1, tab.bottom() - 1, ui::Color{105, 105, 105});
        break;
      case TabStyle::Buttons:
        canvas.FillRect(tab, active ? Lighter(face, 24) : face);
        canvas.Bevel(tab, !active);
        break;
      case TabStyle::FlatButtons:
        if (active) {
          canvas.FillRect(tab, Lighter(face, 40));
          canvas.Bevel(tab, false);
        } else {
          // A thin groove after each flat button separates it from the next.
          canvas.VLine(tab.right() + kButtonGap / 2, tab.top + 3, tab.bottom() - 4, clBtnShadow);
        }
        break;
    }
    const int textWidth = canvas.TextExtent(pages_[static_cast<size_t>(i)]->Caption(), info).width;
    const int shift = active && Style != TabStyle::Tabs ? 1 : 0;
    canvas.DrawText(
        Point{tab.left + (tab.width - textWidth) / 2 + shift, tab.top + (tab.height - lineHeight) / 2 + shift},
        pages_[static_cast<size_t>(i)]->Caption(), info);
  }
}

}  // namespace ui
