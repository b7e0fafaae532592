#include "engine/Frame.h"

#include "engine/Class.h"

namespace frame {

void UseScreenLook(ui::Form* form) {
  form->Color = ui::clBlack;
  form->Font.Name = "Verdana";
  form->Font.Size = 13;
  form->Font.Color = ui::clWhite;
}

void UseScreenLook(ui::Form* form, int width, int height) {
  form->SetClientSize(width, height);
  UseScreenLook(form);
}

ui::Label* MakeTitle(ui::Form* form, const std::string& caption) {
  auto* top = new ui::Label(form);
  top->Name = "top";
  top->AutoSize = false;
  top->Align = ui::Align::Top;
  top->Height = 16;
  top->Transparent = false;
  top->Color = ui::clNavy;
  top->Font.Color = ui::clWhite;
  top->Alignment = ui::Alignment::Center;
  top->Caption = caption;
  BindDrag(top);
  return top;
}

ui::Label* MakeCloseLabel(ui::Form* form, const std::string& caption, int left) {
  auto* close = new ui::Label(form);
  close->Name = "close";
  close->Transparent = true;
  close->Font.Color = ui::clWhite;
  close->Font.Style = ui::fsBold;
  close->Caption = caption;
  close->Left = left;
  close->Top = 0;
  close->OnMouseDown = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) { c.Font.Color = ui::clBlack; };
  close->OnMouseUp = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) { c.Font.Color = ui::clWhite; };
  return close;
}

namespace {

void Drag(ui::Control& sender, ui::MouseButton button, int x, int y) {
  if (button != ui::MouseButton::Left) return;
  ui::Form* form = sender.ParentForm();
  const ui::Point screen = sender.ClientToScreen(ui::Point{x, y});
  form->BeginDrag(ui::Point{screen.x - form->Left, screen.y - form->Top});
}

}  // namespace

void BindDrag(ui::Control* control) {
  control->OnMouseDown = [](ui::Control& c, ui::MouseButton b, ui::ShiftState, int x, int y) { Drag(c, b, x, y); };
}

ui::Label* MakeLabel(ui::Control* parent, const std::string& name, int left, int top, const std::string& caption) {
  auto* label = new ui::Label(parent);
  label->Name = name;
  label->Transparent = true;
  label->Left = left;
  label->Top = top;
  label->Caption = caption;
  return label;
}

Button MakeButton(ui::Control* parent, SkinSet* skins, const ButtonRow& row, std::function<void()> onClick) {
  auto* picture = new ui::Image(parent);
  picture->Name = row.name;
  picture->SetBounds(row.left, row.top, row.width, row.height);
  if (row.hint != nullptr) picture->Hint = row.hint;
  if (row.caption == nullptr) {
    picture->AutoSize = true;
    if (skins != nullptr) skins->Bind(picture, nullptr, row.skin);
    if (onClick) picture->OnClick = [onClick = std::move(onClick)](ui::Control&) { onClick(); };
    return Button{picture, nullptr};
  }
  const std::string labelName = row.labelName != nullptr ? std::string(row.labelName) : std::string(row.name) + "l";
  const int labelLeft = row.place == CaptionPlace::At ? row.captionLeft : row.left;
  const int labelTop = row.place == CaptionPlace::Centred ? row.top : row.top + row.captionDown;
  ui::Label* label = MakeLabel(parent, labelName, labelLeft, labelTop, row.caption);
  SkinSet::Style(picture, label);
  switch (row.place) {
    case CaptionPlace::At:
      break;
    case CaptionPlace::Across:
      label->PlaceBySize([left = row.left, width = row.width](ui::Label& l) { l.Left = left + (width - l.Width) / 2; });
      break;
    case CaptionPlace::Centred:
      label->AutoSize = false;
      label->SetBounds(row.left, row.top, row.width, row.height);
      label->Alignment = ui::Alignment::Center;
      label->Layout = ui::TextLayout::Center;
      break;
  }
  if (row.hint != nullptr) label->Hint = row.hint;
  if (skins != nullptr) skins->Bind(picture, label, row.skin);
  if (onClick) picture->OnClick = [onClick = std::move(onClick)](ui::Control&) { onClick(); };
  return Button{picture, label};
}

}  // namespace frame

std::string SkinSet::SkinPath(int state) const {
  return engine->ButtonsPath + stem_ + "_" + std::to_string(state) + ".jpg";
}

std::string SkinSet::PathOf(size_t index, int state) const {
  const Files& f = files_[index];
  if (f.stem.empty()) return SkinPath(state);
  return engine->ButtonsPath + f.stem + "_" + std::to_string(state) + f.extension;
}

void SkinSet::Style(ui::Image* picture, ui::Label* label) {
  picture->AutoSize = true;
  label->Transparent = true;
  label->Font.Style = ui::fsBold;
  label->Font.Color = ui::clBlack;
}

void SkinSet::Add(ui::Image* picture) {
  buttons_.push_back(picture);
  files_.emplace_back();
}

void SkinSet::Bind(ui::Image* picture, ui::Label* label, const char* skin) {
  buttons_.push_back(picture);
  Files files;
  if (skin != nullptr) {
    const std::string name = skin;
    const size_t dot = name.rfind('.');
    files.stem = name.substr(0, dot);
    files.extension = dot == std::string::npos ? std::string(".jpg") : name.substr(dot);
  }
  files_.push_back(std::move(files));
  auto over = [this, picture](ui::Control&, ui::ShiftState, int, int) { Hover(picture); };
  auto down = [this, picture](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { Press(picture); };
  auto up = [this, picture](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { Release(picture); };
  picture->OnMouseMove = over;
  picture->OnMouseDown = down;
  picture->OnMouseUp = up;
  if (label != nullptr) {
    label->OnMouseMove = over;
    label->OnMouseDown = down;
    label->OnMouseUp = up;
    label->OnClick = [picture](ui::Control&) { picture->Click(); };
  }
}

void SkinSet::LoadAll(const ui::Image* special, int specialState) {
  // Every load reads the file anew; a failing one ends the event here.
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->Picture.LoadFromFile(PathOf(i, buttons_[i] == special ? specialState : 1));
  }
}

void SkinSet::LoadOne(const ui::Image* button, int state) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] == button) buttons_[i]->Picture.LoadFromFile(PathOf(i, state));
  }
}

void SkinSet::Reset() { LoadAll(nullptr, 1); }

void SkinSet::Hover(const ui::Image* button) {
  if (mode_ != Mode::Family) {
    LoadOne(button, 2);
  } else {
    LoadAll(button, 2);
  }
}

void SkinSet::Press(const ui::Image* button) {
  if (mode_ != Mode::Family) {
    LoadOne(button, 3);
  } else {
    LoadAll(button, 3);
  }
}

void SkinSet::Release(const ui::Image* button) {
  if (mode_ == Mode::Own) {
    LoadOne(button, 1);
  } else {
    Reset();
  }
}
