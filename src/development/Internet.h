#pragma once
// The dial-up internet window, reached from the computer screen: a keypad
// whose keys play their tones, the provider's numbers, and the call that
// opens the browser when the number is one of them. Closing it goes back to
// the computer.
#include <array>
#include <string>

#include "engine/Screen.h"
#include "ui/Button.h"

class Tinet : public Screen {
 public:
  static constexpr int kMaxDigits = 11;

  explicit Tinet(ui::Application& app);

  ui::Label* phones;
  ui::Label* number;
  std::array<ui::Button*, 10> digits{};  // b0 .. b9
  ui::Button* call;
  ui::Button* clear;

  void FormShow() override;
  void digitClick(int digit);
  void callClick();
  void clearClick();
};

extern Tinet* inet;
