#include "city/Setka.h"

#include "city/Inclub.h"
#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tsetka* setka = nullptr;

// Wide enough for the club's name in its 35-pixel face, or in the face that
// stands in for it.
Tsetka::Tsetka(ui::Application& app) : Screen(app, {420, 214, "Ночной клуб", "menu", "X", frame::Back(travel)}) {
  logo = frame::MakeLabel(this, "logo", 0, 28, "Night Club \"Diablo\"");
  logo->Font.Name = "Monotype Corsiva";
  logo->Font.Size = 35;
  logo->Font.Style = ui::fsBold | ui::fsItalic;
  logo->Font.Color = ui::clRed;
  logo->AutoSize = false;
  logo->SetBounds(0, 28, 420, 52);
  logo->Alignment = ui::Alignment::Center;
  frame::AddTexts(this, {{&Tsetka::comment, "comment", 16, 88, 388, 54,
                          "Вход в ночной клуб стоит 350 руб. Чем больше Вы проведете там времени, тем больше "
                          "получите настроения."}});
  AddButtons<Tsetka>({{&Tsetka::go, &Tsetka::gol, {"go", 100, 156, 220, 37, "Войти в ночной клуб"}, &Tsetka::goClick}});

  DragBy({logo, comment});
  ResetSkinsOver({logo, comment});
}

// No click sound here: the door makes none.
void Tsetka::goClick() {
  constexpr uint32_t kFee = 350;
  if (static_cast<uint32_t>(engine->Money) <= kFee) {
    engine->ShowInfoMessage("У Вас недостаточно денег для входа в клуб!");
    return;
  }
  // The music is made ready before the fee is taken: with nothing to play
  // the club turns the player away and keeps the money where it is.
  if (!inclub->PrepareVisit()) {
    engine->ShowInfoMessage("Дискотека сегодня закрыта: нет музыки.");
    return;
  }
  engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - kFee);
  menu->money->Caption = labels::Unsigned(engine->Money);
  inclub->Show();
  Hide();
}
