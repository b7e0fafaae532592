#include "ui/Edit.h"

#include <algorithm>
#include <vector>

#include "platform/Cp1251.h"
#include "ui/Application.h"
#include "ui/Canvas.h"

namespace ui {
namespace {
constexpr int kPadding = 3;
}

Edit::Edit(Control* parent) : Control(parent), ReadOnly(false), MaxLength(0), BorderSingle(true) {
  Width.SetQuietly(121);
  Height.SetQuietly(21);
  TabStop.SetQuietly(true);
  Color.SetQuietly(clWindow);
  ParentColor.SetQuietly(false);
  Cursor.SetQuietly(ui::Cursor::IBeam);
  Text.OnChange([this] {
    caret_ = std::min<int>(caret_, static_cast<int>(platform::Utf8Length(Text())));
    if (OnChange) OnChange(*this);
    Invalidate();
  });
}

void Edit::SetCaretPos(int pos) {
  caret_ = std::clamp(pos, 0, static_cast<int>(platform::Utf8Length(Text())));
  Invalidate();
}

void Edit::Insert(const std::string& text) {
  std::string clean;
  for (size_t pos = 0; pos < text.size();) {
    const char32_t ch = platform::DecodeUtf8(text, pos);
    if (ch == '\r' || ch == '\n') break;  // one line only, as pasting into a field does
    if (ch >= 32 && platform::Cp1251CanHold(ch)) clean += platform::EncodeUtf8(ch);
  }
  if (clean.empty()) return;
  const std::string current = Text();
  size_t room = SIZE_MAX;
  if (MaxLength > 0) {
    const size_t length = platform::Utf8Length(current);
    room = length >= static_cast<size_t>(MaxLength()) ? 0 : MaxLength - length;
  }
  const size_t count = std::min(platform::Utf8Length(clean), room);
  if (count == 0) return;
  clean = clean.substr(0, platform::Utf8Offset(clean, count));
  const size_t at = platform::Utf8Offset(current, caret_);
  caret_ += static_cast<int>(count);
  Text = current.substr(0, at) + clean + current.substr(at);
}

void Edit::Paste() { Insert(App().GetBackend().ClipboardText()); }

void Edit::KeyDown(int& key, ShiftState shift) {
  Control::KeyDown(key, shift);
  const int length = static_cast<int>(platform::Utf8Length(Text()));
  switch (key) {
    case VK_LEFT:
      SetCaretPos(caret_ - 1);
      break;
    case VK_RIGHT:
      SetCaretPos(caret_ + 1);
      break;
    case VK_HOME:
      SetCaretPos(0);
      break;
    case VK_END:
      SetCaretPos(length);
      break;
    case VK_DELETE:
      if (!ReadOnly && caret_ < length) {
        const std::string current = Text();
        const size_t from = platform::Utf8Offset(current, caret_);
        const size_t to = platform::Utf8Offset(current, caret_ + 1);
        Text = current.substr(0, from) + current.substr(to);
      }
      break;
    case VK_INSERT:
      if ((shift & ssShift) && !ReadOnly) Paste();
      break;
    default:
      break;
  }
}

void Edit::KeyPress(char32_t& key) {
  // Characters the code page cannot hold never reach the handler.
  if (key >= 32 && !platform::Cp1251CanHold(key)) return;
  Control::KeyPress(key);
  if (key == 0 || ReadOnly) return;
  if (key == 8) {
    if (caret_ > 0) {
      const std::string current = Text();
      const size_t from = platform::Utf8Offset(current, caret_ - 1);
      const size_t to = platform::Utf8Offset(current, caret_);
      --caret_;
      Text = current.substr(0, from) + current.substr(to);
    }
  } else if (key == 22) {  // Ctrl+V
    Paste();
  } else if (key >= 32) {
    Insert(platform::EncodeUtf8(key));
  }
}

int Edit::CharacterAt(int x) {
  const std::string text = Text();
  const FontInfo info = Font.Info();
  std::vector<size_t> ends{0};  // ends[i]: the bytes of the first i characters
  for (size_t pos = 0; pos < text.size();) {
    platform::DecodeUtf8(text, pos);
    ends.push_back(pos);
  }
  const int length = static_cast<int>(ends.size()) - 1;
  const int target = x - kPadding + scroll_;
  auto widthOf = [&](int i) { return App().Fonts().Measure(info, std::string_view(text).substr(0, ends[i])).width; };
  // The first character boundary at or past the point, found by halving: a
  // longer start of the text is never narrower.
  int first = 0, past = length + 1;
  while (first < past) {
    const int middle = first + (past - first) / 2;
    if (widthOf(middle) >= target) {
      past = middle;
    } else {
      first = middle + 1;
    }
  }
  if (first > length) return length;
  if (first > 0 && target - widthOf(first - 1) < widthOf(first) - target) return first - 1;
  return first;
}

void Edit::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left) SetCaretPos(CharacterAt(x));
  Control::MouseDown(button, shift, x, y);
}

void Edit::Paint(Canvas& canvas) {
  const Rect r = ClientRect();
  canvas.FillRect(r, Color);
  if (BorderSingle) {
    canvas.Bevel(r, false);
    canvas.Bevel(Rect{1, 1, r.width - 2, r.height - 2}, false);
  }
  FontInfo info = Font.Info();
  if (!IsEnabled()) info.color = clGrayText;
  const std::string text = Text();
  const int caretX =
      canvas.TextExtent(std::string_view(text).substr(0, platform::Utf8Offset(text, caret_)), info).width;
  const int inner = std::max(1, r.width - 2 * kPadding);
  if (caretX - scroll_ > inner - 1) scroll_ = caretX - inner + 1;
  if (caretX - scroll_ < 0) scroll_ = caretX;
  const int lineHeight = canvas.LineHeight(info);
  const int y = (r.height - lineHeight) / 2;
  Canvas::Scope scope(canvas, Rect{2, 2, r.width - 4, r.height - 4});
  canvas.DrawText(Point{kPadding - 2 - scroll_, y - 2}, text, info);
  if (Focused() && IsEnabled())
    canvas.FillRect(Rect{kPadding - 2 + caretX - scroll_, y - 2, 1, lineHeight}, info.color);
}

}  // namespace ui
