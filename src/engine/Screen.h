#pragma once
// The frame every screen of the game shares, described once: its size and
// place, the navy title strip that drags it, the close label that leads back
// to the screen it belongs to, its skinned buttons and their skin reset when
// the mouse moves over the window. A screen hands its description to this
// class, then lists its own controls, one row each; the few screens that
// differ say so in a plain line after the frame is built.
#include <functional>
#include <initializer_list>
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

// What a screen's frame looks like and where its close label leads.
struct ScreenFrame {
  int width;
  int height;
  // The title strip's text; null for a window without the strip.
  const char* title;
  // The skin family of the screen's buttons ("menu": "menu_1.jpg" ...);
  // null for a screen without skinned buttons.
  const char* skins = nullptr;
  // The close label's caption, the Latin "X" or the Cyrillic "Х"; null for a
  // screen without one.
  const char* close = "X";
  // The screen the close label shows, asked when the label is clicked.
  std::function<ui::Form*()> back = nullptr;
  // How the buttons' skins follow the mouse.
  SkinSet::Mode skinMode = SkinSet::Mode::Family;
};

// The screen a close label leads back to, read from its instance pointer when
// the label is clicked: `frame::Back(travel)`.
namespace frame {
template <typename T>
std::function<ui::Form*()> Back(T*& instance) {
  return [&instance]() -> ui::Form* { return instance; };
}
}  // namespace frame

class Screen : public ui::Form {
 public:
  Screen(ui::Application& app, const ScreenFrame& frame);

  ui::Label* top = nullptr;
  ui::Label* close = nullptr;

  // Loads the normal skin into every button, in the order they were added.
  virtual void ResetSkins() { skins_.Reset(); }
  // The creation handler: the buttons start in their normal skin.
  virtual void FormCreate() { ResetSkins(); }
  // The show handler: nothing unless the screen says so.
  virtual void FormShow() {}
  // The close label: the close sound, this screen hidden, the screen it
  // belongs to shown.
  virtual void closeClick();

  const SkinSet& Skins() const { return skins_; }

 protected:
  // The window manager's close does what the close label does, when the
  // label is shown and may be clicked, and nothing otherwise: a screen never
  // goes without leading somewhere. The main menu still ends the program, a
  // screen that asks before closing (the game screen) still asks, and a
  // message window or dialog without a close label is answered as any modal
  // window is.
  void CloseRequested() override;

  // One skinned button of the screen, one row: the member for its picture
  // and its caption label (null for a button without a caption), its look
  // and place, its click.
  template <typename S>
  struct ButtonLine {
    ui::Image* S::*picture;
    ui::Label* S::*label;
    frame::ButtonRow look;
    void (S::*click)() = nullptr;
  };
  // One plain label of the screen, one row.
  template <typename S>
  struct LabelLine {
    ui::Label* S::*label;
    const char* name;
    int left;
    int top;
    const char* caption;
    const char* hint = nullptr;
  };

  // Builds the screen's skinned buttons from their rows, in the order of the
  // rows (the order of the skin loads).
  template <typename S>
  void AddButtons(std::initializer_list<ButtonLine<S>> rows) {
    S* self = static_cast<S*>(this);
    for (const ButtonLine<S>& row : rows) {
      const auto click = row.click;
      const frame::Button made = frame::MakeButton(
          self, &skins_, row.look,
          click ? std::function<void()>([self, click] { (self->*click)(); }) : std::function<void()>());
      self->*row.picture = made.picture;
      if (row.label != nullptr) self->*row.label = made.label;
    }
  }
  // Builds the screen's plain labels from their rows.
  template <typename S>
  void AddLabels(std::initializer_list<LabelLine<S>> rows) {
    S* self = static_cast<S*>(this);
    for (const LabelLine<S>& row : rows) {
      ui::Label* label = frame::MakeLabel(self, row.name, row.left, row.top, row.caption);
      if (row.hint != nullptr) label->Hint = row.hint;
      self->*row.label = label;
    }
  }

  // A left press on any of these drags the window (the window and its title
  // strip already do).
  void DragBy(std::initializer_list<ui::Control*> handles);
  // Moving the mouse over any of these resets the skins (over the window and
  // its title strip it already does on a screen with skinned buttons).
  void ResetSkinsOver(std::initializer_list<ui::Control*> controls);

  SkinSet skins_;

 private:
  std::function<ui::Form*()> back_;
};

// A button that leads from one screen to another: the click sound, then
// `from` hidden and `next` shown, or `next` shown first and `from` hidden
// after (what runs in between, such as a hide handler's pause, sees the
// other screen already up).
namespace frame {
void HideThenShow(ui::Form* from, ui::Form* next);
void ShowThenHide(ui::Form* from, ui::Form* next);
}  // namespace frame

// Rows of a few more kinds: a column of like buttons, wrapped text, timers
// (`frame::AddColumn(this, &skins_, ...)`, `frame::AddTexts(this, {...})`,
// `frame::AddTimers(this, {...})`), and controls enabled together.
namespace ui {
class Timer;
}  // namespace ui

namespace frame {

// A button row with the hint its picture and caption show.
inline ButtonRow Hinted(ButtonRow row, const char* hint) {
  row.hint = hint;
  return row;
}

// Skinned buttons of one size stacked at a fixed step, their captions centred
// across them; the rows give what differs.
struct Column {
  int left;
  int top;
  int width;
  int height;
  int step;
};
template <typename S>
struct ColumnLine {
  ui::Image* S::*picture;
  ui::Label* S::*label;
  const char* name;
  const char* caption;
  void (S::*click)();
  const char* hint = nullptr;
};
template <typename S>
void AddColumn(S* screen, SkinSet* skins, const Column& column, std::initializer_list<ColumnLine<S>> rows) {
  int top = column.top;
  for (const ColumnLine<S>& row : rows) {
    const Button made = MakeButton(
        screen, skins, Hinted({row.name, column.left, top, column.width, column.height, row.caption}, row.hint),
        [screen, click = row.click] { (screen->*click)(); });
    screen->*row.picture = made.picture;
    screen->*row.label = made.label;
    top += column.step;
  }
}

// Enables or disables controls together: a button's picture and its caption.
void SetEnabled(std::initializer_list<ui::Control*> controls, bool enabled);

// One block of text, one row: a label of its own place and size whose caption
// wraps at its width.
template <typename S>
struct TextLine {
  ui::Label* S::*label;
  const char* name;
  int left, top, width, height;
  const char* caption;
};
ui::Label* MakeText(ui::Control* parent, const char* name, const ui::Rect& bounds, const char* caption);
template <typename S>
void AddTexts(S* screen, std::initializer_list<TextLine<S>> rows) {
  for (const TextLine<S>& row : rows) {
    screen->*row.label = MakeText(screen, row.name, {row.left, row.top, row.width, row.height}, row.caption);
  }
}

// A timer of the screen, stopped until the screen starts it.
ui::Timer* MakeTimer(ui::Control* owner, const std::string& name, int interval, std::function<void()> tick);
template <typename S>
struct TimerLine {
  ui::Timer* S::*timer;
  const char* name;
  int interval;
  void (S::*tick)();
};
template <typename S>
void AddTimers(S* screen, std::initializer_list<TimerLine<S>> rows) {
  for (const TimerLine<S>& row : rows) {
    screen->*row.timer = MakeTimer(screen, row.name, row.interval, [screen, tick = row.tick] { (screen->*tick)(); });
  }
}

}  // namespace frame

// A list box of the screens' usual look at its place: black, white text.
namespace ui {
class ListBox;
}  // namespace ui
namespace frame {
ui::ListBox* MakeList(ui::Control* parent, const char* name, int left, int top, int width, int height);
}  // namespace frame

// Push buttons and labels of a fixed size, one row each
// (`frame::AddPushes(this, {...})`, `frame::AddBoxes(this, {...})`), and
// progress bars.
namespace ui {
class Button;
class ProgressBar;
}  // namespace ui

namespace frame {

// A standard push button: its caption in black in the window's font, bold or
// of another size where the row says so.
struct PushRow {
  const char* name;
  int left, top, width, height;
  const char* caption;
  ui::FontStyles style = 0;
  int fontSize = 0;  // 0: the window's
  const char* hint = nullptr;
};
ui::Button* MakePush(ui::Control* parent, const PushRow& row, std::function<void()> onClick);
template <typename S>
struct PushLine {
  ui::Button* S::*button;
  PushRow look;
  void (S::*click)();
};
template <typename S>
void AddPushes(S* screen, std::initializer_list<PushLine<S>> rows) {
  for (const PushLine<S>& row : rows) {
    screen->*row.button = MakePush(screen, row.look, [screen, click = row.click] { (screen->*click)(); });
  }
}

// A transparent label of a fixed size: its text aligned and laid out in that
// box, wrapped where the row says so, bold or of another size where given.
struct BoxRow {
  const char* name;
  int left, top, width, height;
  const char* caption;
  ui::Alignment alignment = ui::Alignment::LeftJustify;
  ui::TextLayout layout = ui::TextLayout::Top;
  bool wordWrap = false;
  int fontSize = 0;  // 0: the window's
  ui::FontStyles style = 0;
};
ui::Label* MakeBox(ui::Control* parent, const BoxRow& row);
template <typename S>
struct BoxLine {
  ui::Label* S::*label;
  BoxRow look;
};
template <typename S>
void AddBoxes(S* screen, std::initializer_list<BoxLine<S>> rows) {
  for (const BoxLine<S>& row : rows) screen->*row.label = MakeBox(screen, row.look);
}

// A progress bar from 0 to `max`.
ui::ProgressBar* MakeBar(ui::Control* parent, const char* name, int left, int top, int width, int height, int max);

}  // namespace frame
