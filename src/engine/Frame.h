#pragma once
// What every screen shares: the navy title strip, the close label, the
// window drag, and buttons that are pictures with a caption laid over them,
// each picture showing one of three skins loaded from the buttons folder.
#include <functional>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace frame {

// The look every screen shares: black, Verdana 13 pixels in white; with a
// size, the client area too.
void UseScreenLook(ui::Form* form);
void UseScreenLook(ui::Form* form, int width, int height);

// The title label `top`: over the whole width, 16 pixels high, navy, white
// centred text. A left press on it drags the window.
ui::Label* MakeTitle(ui::Form* form, const std::string& caption);

// A bold white close label at the right of the title strip; black while
// the mouse is down on it, white again when it is released.
ui::Label* MakeCloseLabel(ui::Form* form, const std::string& caption, int left);

// A left press on the control drags its window until the button is up;
// other buttons do nothing here.
void BindDrag(ui::Control* control);

// A label with the screen's usual look: transparent, at (left, top).
ui::Label* MakeLabel(ui::Control* parent, const std::string& name, int left, int top, const std::string& caption);

}  // namespace frame

class SkinSet;

namespace frame {

// Where a skinned button's caption sits on its picture.
enum class CaptionPlace {
  At,       // the label's left is `captionLeft`, its top the picture's top + `captionDown`
  Across,   // centred across the picture's width, the picture's top + `captionDown`
  Centred,  // the label covers the picture, its text centred both ways
};

// One skinned button of a screen: the picture `name`, its caption label
// (`labelName`, or `name` + "l"; none when `caption` is null), the picture's
// place and size, the caption. `skin` names the button's own files ("qs.bmp":
// "qs_1.bmp" to "qs_3.bmp") where they are not those of its set. `hint` is
// shown by the picture and its label when the mouse rests on them.
struct ButtonRow {
  const char* name;
  int left;
  int top;
  int width;
  int height;
  const char* caption;
  CaptionPlace place = CaptionPlace::Across;
  int captionDown = 8;
  int captionLeft = 0;
  const char* labelName = nullptr;
  const char* skin = nullptr;
  const char* hint = nullptr;
};

struct Button {
  ui::Image* picture;
  ui::Label* label;  // null for a button without a caption
};

// The one builder of a skinned button: the picture and its bold black
// caption laid over it on `parent`, added to `skins` (when given) so that it
// changes skin with the mouse, and `onClick` bound to the picture (a click on
// the label is the picture's click).
Button MakeButton(ui::Control* parent, SkinSet* skins, const ButtonRow& row, std::function<void()> onClick = {});

}  // namespace frame

// The skinned buttons of one screen, in the order of its button list.
class SkinSet {
 public:
  // How over, press and release treat the other buttons of the set.
  enum class Mode {
    Family,  // they load their normal skin, in list order
    Solo,    // they keep whatever skin they show; up still resets them all
    Own,     // each button's events change its own skin only, up included
  };
  explicit SkinSet(std::string stem, Mode mode = Mode::Family) : stem_(std::move(stem)), mode_(mode) {}

  // Adds a button to the list and binds the skin handlers of the picture and
  // its label: over → this one "_2"; down (any button) → this one "_3"; in a
  // family the others "_1" each time; up → all "_1" (this one alone in
  // Mode::Own). A click on the label is
  // the picture's click. `skin` ("qs.bmp") gives the button files of its own.
  void Bind(ui::Image* picture, ui::Label* label, const char* skin = nullptr);
  // Adds a button whose mouse handlers belong elsewhere: it only takes its
  // place in this set's loads.
  void Add(ui::Image* picture);
  // Makes a picture and its caption label as a skinned button.
  static void Style(ui::Image* picture, ui::Label* label);

  // Loads the normal skin into every button, in list order.
  void Reset();
  void Hover(const ui::Image* button);
  void Press(const ui::Image* button);
  void Release(const ui::Image* button);

  // The set's skin file for a state: stem + "_1.jpg" and so on.
  std::string SkinPath(int state) const;
  const std::string& Stem() const { return stem_; }
  const std::vector<ui::Image*>& Buttons() const { return buttons_; }

 private:
  struct Files {
    std::string stem;
    std::string extension;
  };
  std::string PathOf(size_t index, int state) const;
  void LoadAll(const ui::Image* special, int specialState);
  void LoadOne(const ui::Image* button, int state);
  std::string stem_;
  Mode mode_;
  std::vector<ui::Image*> buttons_;
  std::vector<Files> files_;
};
