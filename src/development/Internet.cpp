#include "development/Internet.h"

#include "development/Ibrowser.h"
#include "engine/Class.h"
#include "hardware/Computer.h"
#include "platform/Conversions.h"

Tinet* inet = nullptr;

namespace {
// The keypad: 1 2 3 / 4 5 6 / 7 8 9 / _ 0 _, places counted from 0 row by
// row; the clear key takes the place after the 0.
constexpr int kKey = 40;
constexpr int kKeyStep = 46;
constexpr int KeyLeft(int place) { return 70 + (place % 3) * kKeyStep; }
constexpr int KeyTop(int place) { return 112 + (place / 3) * kKeyStep; }
}  // namespace

Tinet::Tinet(ui::Application& app) : Screen(app, {280, 350, "Интернет", nullptr, "X", frame::Back(comp)}) {
  constexpr auto kCentre = ui::Alignment::Center;
  frame::AddBoxes(this, {{&Tinet::phones, {"phones", 12, 24, 256, 36, "", {}, {}, true, 11}},
                         {&Tinet::number,
                          {"number", 40, 66, 200, 34, "", kCentre, ui::TextLayout::Center, false, 18, ui::fsBold}}});
  number->Transparent = false;
  number->Color = ui::clNavy;
  DragBy({phones, number});

  for (int d = 0; d <= 9; ++d) {
    const int place = d == 0 ? 10 : d - 1;
    const std::string n = platform::IntToStr(d);
    // 'b', not "b": GCC 12 at -O3 warns falsely of an overlapping copy in a
    // one-letter literal + std::string (-Wrestrict, GCC bug 105329).
    digits[d] =
        frame::MakePush(this, {('b' + n).c_str(), KeyLeft(place), KeyTop(place), kKey, kKey, n.c_str(), ui::fsBold, 16},
                        [this, d] { digitClick(d); });
  }
  frame::AddPushes(this,
                   {{&Tinet::clear, {"clear", KeyLeft(11), KeyTop(11), kKey + 20, kKey, "Сброс"}, &Tinet::clearClick},
                    {&Tinet::call, {"call", 70, 304, 132, 32, "Позвонить", ui::fsBold}, &Tinet::callClick}});

  // The number can be typed on the keyboard as well.
  KeyPreview = true;
  OnKeyPress = [this](ui::Control&, char32_t& key) {
    if (key >= U'0' && key <= U'9') {
      digitClick(static_cast<int>(key - U'0'));
      key = 0;
    } else if (key == U'\r') {
      callClick();
      key = 0;
    } else if (key == U'\b') {
      clearClick();
      key = 0;
    }
  };
}

void Tinet::FormShow() {
  phones->Caption = "Телефоны провайдера: " + engine->InetPhone1 + ", " + engine->InetPhone2 + ", " +
                    engine->InetPhone3 + "; выделенная линия: " + engine->InetSpeedPhone;
  number->Caption = "";
}

void Tinet::digitClick(int digit) {
  engine->PlaySoundFile("dtmf" + platform::IntToStr(digit) + ".wav");
  const std::string typed = number->Caption();
  if (static_cast<int>(typed.size()) < kMaxDigits) number->Caption = typed + platform::IntToStr(digit);
}

void Tinet::clearClick() {
  engine->PlayClickSound();
  number->Caption = "";
}

void Tinet::callClick() {
  const std::string dialled = number->Caption();
  number->Caption = "";
  const bool known = !dialled.empty() && (dialled == engine->InetPhone1 || dialled == engine->InetPhone2 ||
                                          dialled == engine->InetPhone3 || dialled == engine->InetSpeedPhone);
  if (!known) {
    engine->PlaySoundFile("busy.wav");
    engine->ShowInfoMessage("Номер не отвечает! Наберите один из телефонов провайдера.");
    return;
  }
  engine->PlaySoundFile("modem.wav");
  engine->WriteLog("Подключение к Интернету...");
  Hide();
  browser->Connect();
  browser->Show();
}
