#include "city/Kop.h"

#include <cmath>

#include "city/Addk.h"
#include "city/Person.h"
#include "city/Takek.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"

Tkop* kop = nullptr;

namespace savings {

bool ReadAmount(const std::string& text, uint32_t& amount) {
  double value = 0;
  if (!platform::TryStrToFloat(text, value)) return false;
  const double whole = std::trunc(value);
  if (!(whole >= -2147483648.0 && whole <= 4294967295.0)) return false;
  amount = static_cast<uint32_t>(static_cast<int64_t>(whole));
  return true;
}

bool TypedAmount(const ui::Edit* field, uint32_t& amount) {
  const std::string text = field->Text();
  if (text.empty()) return false;
  if (!ReadAmount(text, amount)) {
    engine->ShowInfoMessage("Введите правильное число!");
    return false;
  }
  return amount != 0;
}

void DigitsOnly(ui::Edit* field) {
  field->OnKeyPress = [](ui::Control&, char32_t& key) {
    if (!((key >= '0' && key <= '9') || key == 8)) key = 0;
  };
}

std::tuple<ui::Label*, ui::Label*, ui::Label*, ui::Label*> MakeBalance(ui::Form* form, const char* savingsCaption,
                                                                       const char* cashCaption) {
  auto value = [form](const char* name, int top) {
    ui::Label* label = frame::MakeLabel(form, name, 160, top, "0");
    label->Font.Color = ui::Color::FromValue(0xFFFF00);
    return label;
  };
  ui::Label* savings = frame::MakeLabel(form, savingsCaption, 16, 28, "Денег в копилке:");
  ui::Label* kopilka = value("kopilka", 28);
  ui::Label* cash = frame::MakeLabel(form, cashCaption, 16, 48, "Денег у игрока:");
  ui::Label* money = value("money", 48);
  return {savings, kopilka, cash, money};
}

void ShowBalance(ui::Label* kopilka, ui::Label* money) {
  kopilka->Caption = labels::Unsigned(engine->Kopilka);
  money->Caption = labels::Unsigned(engine->Money);
}

ui::Edit* MakeAmountField(ui::Form* form) {
  auto* count = new ui::Edit(form);
  count->Name = "count";
  count->SetBounds(16, 96, 268, 21);
  count->Color = ui::clNavy;
  count->Font.Name = "Microsoft Sans Serif";
  count->Font.Color = ui::Color::FromValue(0xFFFF00);
  count->Text = "0";
  DigitsOnly(count);
  return count;
}

}  // namespace savings

Tkop::Tkop(ui::Application& app) : Screen(app, {260, 172, "Копилка", "menu", "X", frame::Back(person)}) {
  top->OnMouseMove = nullptr;
  std::tie(lla, kopilka, Label1, money) = savings::MakeBalance(this, "lla", "Label1");
  AddButtons<Tkop>({
      {&Tkop::add, &Tkop::addl, {"add", 20, 78, 220, 37, "Добавить денег в копилку"}, &Tkop::addClick},
      {&Tkop::place, &Tkop::placel, {"place", 20, 122, 220, 37, "Взять денег из копилки"}, &Tkop::placeClick},
  });
  DragBy({lla, kopilka});
  ResetSkinsOver({lla, kopilka});
}

void Tkop::FormShow() { savings::ShowBalance(kopilka, money); }
void Tkop::addClick() { frame::HideThenShow(this, addk); }
void Tkop::placeClick() { frame::HideThenShow(this, takek); }
