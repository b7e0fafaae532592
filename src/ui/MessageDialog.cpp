#include "ui/MessageDialog.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Canvas.h"
#include "ui/Label.h"

namespace ui {
namespace {
constexpr int kTitleHeight = 20;
constexpr int kIconSize = 32;
}  // namespace

MessageDialog::MessageDialog(Application& app, const std::string& text, const std::string& caption, unsigned flags)
    : Form(app), flags_(flags) {
  Caption = caption;
  Color = clBtnFace;
  Font.Name = "Tahoma";
  Font.Size = 12;
  Font.Color = clBlack;
  KeyPreview = true;

  title_ = new Label(this);
  title_->Transparent = false;
  title_->Color = clNavy;
  title_->Font.Color = clWhite;
  title_->Font.Style = fsBold;
  title_->Caption = " " + caption;
  title_->AutoSize = false;
  title_->Align = ui::Align::Top;
  title_->Height = kTitleHeight;
  title_->Layout = TextLayout::Center;

  text_ = new Label(this);
  text_->Transparent = true;
  text_->WordWrap = true;
  text_->AutoSize = false;

  const bool yesNo = (flags & 0xF) == MB_YESNO;
  first_ = new Button(this);
  first_->Caption = yesNo ? "Да" : "OK";
  first_->ModalResult = yesNo ? mrYes : mrOk;
  if (yesNo) {
    second_ = new Button(this);
    second_->Caption = "Нет";
    second_->ModalResult = mrNo;
  }

  // Size the box to its text: as wide as the longest line up to a limit.
  FontCache& fonts = app.Fonts();
  const FontInfo info = Font.Info();
  int widest = 0;
  for (const std::string& line : WrapText(&fonts, info, text, 100000)) {
    widest = std::max(widest, fonts.Measure(info, line).width);
  }
  const int textWidth = std::clamp(widest + 4, 160, 480);
  const std::vector<std::string> lines = WrapText(&fonts, info, text, textWidth);
  const int textHeight = static_cast<int>(lines.size()) * fonts.LineHeight(info);
  const int hasIcon = (flags & 0xF0) != 0;
  const int left = hasIcon ? 16 + kIconSize + 14 : 16;
  const int titleWidth = fonts.Measure(title_->Font.Info(), caption).width + 24;
  const int buttonsWidth = yesNo ? 2 * 88 + 8 : 88;
  const int width = std::max({left + textWidth + 16, titleWidth, buttonsWidth + 32, 200});
  const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
  const int height = kTitleHeight + 16 + bodyHeight + 16 + 28 + 12;
  SetClientSize(width, height);
  text_->Caption = text;
  text_->SetBounds(left, kTitleHeight + 16 + (bodyHeight - textHeight) / 2, textWidth, textHeight);
  const int buttonsLeft = (width - buttonsWidth) / 2;
  first_->SetBounds(buttonsLeft, height - 12 - 28, 88, 28);
  if (second_ != nullptr) second_->SetBounds(buttonsLeft + 96, height - 12 - 28, 88, 28);
  first_->TabStop = true;
  if (second_ != nullptr) second_->TabStop = true;

  title_->OnMouseDown = [this](Control&, MouseButton button, ShiftState, int x, int y) {
    if (button == MouseButton::Left) BeginDrag(Point{x, y});
  };
  OnKeyDown = [this](Control&, int& key, ShiftState) {
    if (key == VK_ESCAPE) {
      ModalResult = second_ != nullptr ? mrNo : mrOk;
      key = 0;
    }
  };
  OnShow = [this](Control&) { first_->SetFocus(); };
}

void MessageDialog::Paint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color);
  canvas.FrameRect(ClientRect(), ui::Color{90, 90, 90});
  if ((flags_ & 0xF0) == 0) return;
  const Rect icon{16, kTitleHeight + 16, kIconSize, kIconSize};
  const unsigned kind = flags_ & 0xF0;
  const ui::Color fill = kind == MB_ICONERROR     ? ui::Color{200, 30, 30}
                         : kind == MB_ICONWARNING ? ui::Color{230, 170, 0}
                                                  : ui::Color{30, 90, 200};
  canvas.FillEllipse(icon, fill);
  const char* mark = kind == MB_ICONERROR ? "×" : kind == MB_ICONQUESTION ? "?" : kind == MB_ICONWARNING ? "!" : "i";
  FontInfo info{"Sans", 22, clWhite, fsBold};
  const TextSize size = canvas.TextExtent(mark, info);
  canvas.DrawText(Point{icon.left + (icon.width - size.width) / 2, icon.top + (icon.height - size.height) / 2}, mark,
                  info);
}

}  // namespace ui
