#pragma once
// Small value types shared by every part of the form library.
#include <cstdint>

namespace ui {

struct Color {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  constexpr bool operator==(const Color&) const = default;
  // A classic colour value: 0x00BBGGRR (so pure red is 255).
  static constexpr Color FromValue(uint32_t bgr) {
    return Color{static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
                 static_cast<uint8_t>((bgr >> 16) & 0xFF), 255};
  }
  constexpr uint32_t Value() const { return r | (g << 8) | (b << 16); }
  constexpr uint32_t Argb() const {
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
  }
};

inline constexpr Color clBlack{0, 0, 0};
inline constexpr Color clWhite{255, 255, 255};
inline constexpr Color clNavy{0, 0, 128};
inline constexpr Color clRed{255, 0, 0};
inline constexpr Color clBlue{0, 0, 255};
inline constexpr Color clLime{0, 255, 0};
inline constexpr Color clGreen{0, 128, 0};
inline constexpr Color clYellow{255, 255, 0};
inline constexpr Color clMaroon{128, 0, 0};
inline constexpr Color clGray{128, 128, 128};
inline constexpr Color clSilver{192, 192, 192};
inline constexpr Color clBtnFace{240, 240, 240};
inline constexpr Color clBtnShadow{160, 160, 160};
inline constexpr Color clBtnHighlight{255, 255, 255};
inline constexpr Color clWindow{255, 255, 255};
inline constexpr Color clWindowText{0, 0, 0};
inline constexpr Color clHighlight{0, 120, 215};
inline constexpr Color clHighlightText{255, 255, 255};
inline constexpr Color clGrayText{109, 109, 109};
inline constexpr Color clInfoBk{255, 255, 225};

struct Point {
  int x = 0, y = 0;
  constexpr bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.y >= top && p.x < right() && p.y < bottom(); }
  constexpr bool Empty() const { return width <= 0 || height <= 0; }
  constexpr Rect Intersect(const Rect& o) const {
    const int l = left > o.left ? left : o.left;
    const int t = top > o.top ? top : o.top;
    const int r = right() < o.right() ? right() : o.right();
    const int b = bottom() < o.bottom() ? bottom() : o.bottom();
    return Rect{l, t, r > l ? r - l : 0, b > t ? b - t : 0};
  }
  constexpr bool Contains(const Rect& o) const {
    return o.Empty() || (!Empty() && o.left >= left && o.top >= top && o.right() <= right() && o.bottom() <= bottom());
  }
  constexpr bool Intersects(const Rect& o) const { return !Intersect(o).Empty(); }
  // The smallest rectangle holding both; an empty one adds nothing.
  constexpr Rect Union(const Rect& o) const {
    if (o.Empty()) return *this;
    if (Empty()) return o;
    const int l = left < o.left ? left : o.left;
    const int t = top < o.top ? top : o.top;
    const int r = right() > o.right() ? right() : o.right();
    const int b = bottom() > o.bottom() ? bottom() : o.bottom();
    return Rect{l, t, r - l, b - t};
  }
  constexpr bool operator==(const Rect&) const = default;
};

enum class MouseButton { Left, Right, Middle };

// A set of shift-state flags, as the classic library passes them to handlers.
using ShiftState = unsigned;
inline constexpr ShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;

enum class Align { None, Top, Bottom, Left, Right, Client };
enum class Alignment { LeftJustify, RightJustify, Center };
enum class Cursor { Default, HandPoint, IBeam };
enum class FormPosition { Designed, ScreenCenter };
enum class CloseAction { None, Hide, Free, Minimize };

// Modal results and message box answers.
inline constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;
inline constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
                          MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;

// Virtual key codes (the letters and digits are their upper-case ASCII codes).
inline constexpr int VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
                     VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                     VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112,
                     VK_F4 = 115;

}  // namespace ui
