#pragma once
// The savings box: the savings and the cash side by side, and the doors to
// the deposit and the withdrawal. Closing it goes back to the character sheet.
#include <cstdint>
#include <string>
#include <tuple>

#include "engine/Screen.h"
#include "ui/Edit.h"

class Tkop : public Screen {
 public:
  explicit Tkop(ui::Application& app);

  ui::Label* lla;
  ui::Label* kopilka;
  ui::Label* Label1;
  ui::Label* money;
  ui::Image* add;
  ui::Label* addl;
  ui::Image* place;
  ui::Label* placel;

  void FormShow() override;
  void addClick();
  void placeClick();
};

extern Tkop* kop;

namespace savings {

// The amount in an entry field of the savings box: the text read as a
// decimal number (a fraction cut off toward zero) and kept as 32 bits, so
// that a negative number becomes a huge amount the engine refuses. False
// for text that is no number, and for a number that no 32-bit amount holds,
// signed or unsigned (it would wrap round to some small sum).
bool ReadAmount(const std::string& text, uint32_t& amount);

// The amount typed in an entry field of the deposit and withdrawal windows,
// when there is one to act on: nothing typed and a nought do nothing, and
// text that is no amount is refused with the game's message.
bool TypedAmount(const ui::Edit* field, uint32_t& amount);

// What the entry fields let through when typed: digits and Backspace.
void DigitsOnly(ui::Edit* field);

// What the three windows show first, one under the other: "Денег в копилке:"
// with the savings `kopilka` beside it, "Денег у игрока:" with the cash
// `money`, each value in aqua. Gives the two captions (named as asked) and
// the two values.
std::tuple<ui::Label*, ui::Label*, ui::Label*, ui::Label*> MakeBalance(ui::Form* form, const char* savingsCaption,
                                                                       const char* cashCaption);
// Writes the savings and the cash into the values MakeBalance made.
void ShowBalance(ui::Label* kopilka, ui::Label* money);

// The amount field `count` of the deposit and withdrawal windows: navy, aqua
// digits, "0" at first, digits and Backspace only.
ui::Edit* MakeAmountField(ui::Form* form);

}  // namespace savings
