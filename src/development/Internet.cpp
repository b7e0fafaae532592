#include "development/Internet.h"

#include "development/Ibrowser.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "hardware/Computer.h"
#include "platform/Conversions.h"

Tinet* inet = nullptr;

namespace {
constexpr int kKeyLeft = 70;
constexpr int kKeyTop = 112;
constexpr int kKey = 40;
constexpr int kKeyStep = 46;
}  // namespace

Tinet::Tinet(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 280, 350);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Интернет");
  close = frame::MakeCloseLabel(this, "X", 265);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  phones = frame::MakeLabel(this, "phones", 12, 24, "");
  phones->AutoSize = false;
  phones->SetBounds(12, 24, 256, 36);
  phones->WordWrap = true;
  phones->Font.Size = 11;
  frame::BindDrag(phones);

  number = frame::MakeLabel(this, "number", 40, 68, "");
  number->AutoSize = false;
  number->Transparent = false;
  number->Color = ui::clNavy;
  number->Font.Size = 18;
  number->Font.Style = ui::fsBold;
  number->Alignment = ui::Alignment::Center;
  number->Layout = ui::TextLayout::Center;
  number->SetBounds(40, 66, 200, 34);
  frame::BindDrag(number);

  // 1 2 3 / 4 5 6 / 7 8 9 / _ 0 _
  for (int d = 0; d <= 9; ++d) {
    const int place = d == 0 ? 10 : d - 1;
    auto* key = new ui::Button(this);
    // 'b', not "b": GCC 12 at -O3 warns falsely of an overlapping copy in a
    // one-letter literal + std::string (-Wrestrict, GCC bug 105329).
    key->Name = 'b' + platform::IntToStr(d);
    key->Caption = platform::IntToStr(d);
    key->SetBounds(kKeyLeft + (place % 3) * kKeyStep, kKeyTop + (place / 3) * kKeyStep, kKey, kKey);
    key->Font.Size = 16;
    key->Font.Style = ui::fsBold;
    key->Font.Color = ui::clBlack;
    key->OnClick = [this, d](ui::Control&) { digitClick(d); };
    digits[d] = key;
  }
  clear = new ui::Button(this);
  clear->Name = "clear";
  clear->Caption = "Сброс";
  clear->Font.Color = ui::clBlack;
  clear->SetBounds(kKeyLeft + 2 * kKeyStep, kKeyTop + 3 * kKeyStep, kKey + 20, kKey);
  clear->OnClick = [this](ui::Control&) { clearClick(); };
  call = new ui::Button(this);
  call->Name = "call";
  call->Caption = "Позвонить";
  call->SetBounds(70, 304, 132, 32);
  call->Font.Style = ui::fsBold;
  call->Font.Color = ui::clBlack;
  call->OnClick = [this](ui::Control&) { callClick(); };

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
  frame::BindDrag(this);
  OnShow = [this](ui::Control&) { FormShow(); };
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

void Tinet::closeClick() {
  engine->PlayCloseSound();
  Hide();
  comp->Show();
}
