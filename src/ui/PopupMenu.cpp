#include "ui/PopupMenu.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"

namespace ui {
namespace {

constexpr int kItemHeight = 22;
constexpr int kSeparatorHeight = 9;

// The window that draws the menu and takes the mouse and keys while open.
class PopupWindow : public Form {
 public:
  PopupWindow(Application& app, ui::PopupMenu& menu) : Form(app), menu_(menu) {
    Position = FormPosition::Designed;
    Color = clBtnFace;
    Font.Name = "Tahoma";
    Font.Size = 12;
    Font.Color = clBlack;
  }

  void Prepare() {
    int width = 120, height = 4;
    for (const auto& item : menu_.Items()) {
      if (!item->Visible) continue;
      height += item->IsSeparator() ? kSeparatorHeight : kItemHeight;
      width = std::max(width, App().Fonts().Measure(Font.Info(), item->Caption).width + 48);
    }
    SetClientSize(width, height);
    hot_ = -1;
  }

  int ItemAt(int y) const {
    int top = 2;
    const auto& items = menu_.Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (!items[i]->Visible) continue;
      const int h = items[i]->IsSeparator() ? kSeparatorHeight : kItemHeight;
      if (y >= top && y < top + h) return items[i]->IsSeparator() ? -1 : static_cast<int>(i);
      top += h;
    }
    return -1;
  }

  void MouseMove(ShiftState shift, int x, int y) override {
    const int item = (x >= 0 && x < Width) ? ItemAt(y) : -1;
    if (item != hot_) {
      hot_ = item;
      MarkDirty();
    }
    Form::MouseMove(shift, x, y);
  }

  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override {
    const int item = (x >= 0 && x < Width) ? ItemAt(y) : -1;
    if (item >= 0 && menu_.Items()[item]->Enabled) menu_.Choose(menu_.Items()[item].get());
  }

  void KeyDown(int& key, ShiftState) override {
    const auto& items = menu_.Items();
    const int n = static_cast<int>(items.size());
    auto usable = [&](int i) { return items[i]->Visible && !items[i]->IsSeparator() && items[i]->Enabled; };
    if (key == VK_ESCAPE) {
      menu_.Dismiss();
    } else if (key == VK_RETURN && hot_ >= 0) {
      menu_.Choose(items[hot_].get());
    } else if ((key == VK_DOWN || key == VK_UP) && n > 0) {
      int i = hot_;
      for (int step = 0; step < n; ++step) {
        i = key == VK_DOWN ? (i + 1) % n : (i <= 0 ? n - 1 : i - 1);
        if (usable(i)) break;
      }
      if (usable(i)) hot_ = i;
      MarkDirty();
    }
    key = 0;
  }

 protected:
  void Paint(Canvas& canvas) override {
    canvas.FillRect(ClientRect(), Color);
    canvas.FrameRect(ClientRect(), clBtnShadow);
    int top = 2;
    const auto& items = menu_.Items();
    for (size_t i = 0; i < items.size(); ++i) {
      const MenuItem& item = *items[i];
      if (!item.Visible) continue;
      if (item.IsSeparator()) {
        canvas.HLine(4, Width - 5, top + kSeparatorHeight / 2, clBtnShadow);
        top += kSeparatorHeight;
        continue;
      }
      FontInfo info = Font.Info();
      if (static_cast<int>(i) == hot_ && item.Enabled) {
        canvas.FillRect(Rect{2, top, Width - 4, kItemHeight}, clHighlight);
        info.color = clHighlightText;
      }
      if (!item.Enabled) info.color = clGrayText;
      canvas.DrawText(Point{24, top + (kItemHeight - canvas.LineHeight(info)) / 2}, item.Caption, info);
      top += kItemHeight;
    }
  }

 private:
  ui::PopupMenu& menu_;
  int hot_ = -1;
};

}  // namespace

PopupMenu::PopupMenu(Control* owner) : Component(owner) {}

PopupMenu::~PopupMenu() = default;

MenuItem* PopupMenu::Add(const std::string& caption, NotifyEvent onClick) {
  items_.push_back(std::make_unique<MenuItem>());
  items_.back()->Caption = caption;
  items_.back()->OnClick = std::move(onClick);
  return items_.back().get();
}

Form& PopupMenu::Window() {
  if (!window_) window_ = std::make_unique<PopupWindow>(Owner()->App(), *this);
  static_cast<PopupWindow&>(*window_).Prepare();
  return *window_;
}

bool PopupMenu::Showing() const { return window_ && window_->Visible; }

void PopupMenu::Popup(int x, int y) {
  chosen_ = nullptr;
  Owner()->App().TrackPopup(*this, x, y);
}

void PopupMenu::Choose(MenuItem* item) {
  chosen_ = item;
  if (window_) window_->Hide();
}

void PopupMenu::Dismiss() {
  chosen_ = nullptr;
  if (window_) window_->Hide();
}

void PopupMenu::RunChosen() {
  MenuItem* item = chosen_;
  chosen_ = nullptr;
  if (item != nullptr && item->OnClick) item->OnClick(*Owner());
}

}  // namespace ui
