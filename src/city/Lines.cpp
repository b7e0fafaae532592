#include "city/Lines.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "ui/Application.h"

Tlines* lines = nullptr;

Tlines::Tlines(ui::Application& app)
    : Screen(app, {482, 169, "Мини-игра \"Удержание полосы\"", nullptr, "X", frame::Back(menu)}) {
  panel = new ui::Panel(this);
  panel->Name = "panel";
  panel->SetBounds(12, 36, 137, 113);
  panel->Caption = "Кликать сюда";
  panel->Font.Color = ui::clBlack;
  panel->Font.Style = ui::fsBold;
  panel->OnClick = [this](ui::Control&) { panelClick(); };
  // The second press of a quick pair is a click like any other here.
  panel->OnDblClick = [this](ui::Control&) { panelClick(); };
  // Right of the place where the player clicks: the bar, the countdown, a word on the rules.
  line = new ui::ProgressBar(this);
  line->Name = "line";
  line->SetBounds(164, 44, 306, 17);
  line->Position = 100;
  t = frame::MakeLabel(this, "t", 164, 70, "30");
  t->Font.Size = 24;
  t->Font.Style = ui::fsBold;
  frame::AddTexts(this, {{&Tlines::inst, "inst", 164, 112, 306, 40,
                          "Об игре \"Удержание полосы\" и о ее правилах читайте в программе ZendrixInformator."}});
  inst->Font.Size = 11;

  frame::AddTimers(this, {
                             {&Tlines::time, "time", 65, &Tlines::timeTimer},
                             {&Tlines::ttime, "ttime", 1000, &Tlines::ttimeTimer},
                         });
  DragBy({inst, line, t});
}

void Tlines::FormCreate() {
  line->BarColor = ui::Color::FromValue(0xFF0000);  // blue
}

void Tlines::panelClick() {
  if (time->Enabled) {
    line->Position = line->Position + 2;  // the bar stops at 100
    return;
  }
  // The first click starts the game and adds nothing.
  time->Enabled = true;
  ttime->Enabled = true;
  close->Enabled = false;
}

void Tlines::timeTimer() {
  if (line->Position >= 1) {
    line->Position = line->Position - 1;
    return;
  }
  time->Enabled = false;
  ttime->Enabled = false;
  engine->ShowGameMessage("Вы не смогли удержать полосу! -" + std::to_string(engine->MiniGameXp) + "% к настроению!");
  engine->SubMood(static_cast<uint32_t>(engine->MiniGameXp));
  if (App().Terminated()) return;  // the loss ended the game
  Hide();
  menu->Show();
  engine->ResumeGame();
  line->Position = 100;
  t->Caption = "30";
  close->Enabled = true;
}

void Tlines::ttimeTimer() {
  if (t->Caption() != "0" || line->Position <= 0) {
    t->Caption = std::to_string(labels::CountOf(t->Caption()) - 1);
    return;
  }
  ttime->Enabled = false;
  time->Enabled = false;
  t->Caption = "30";
  const std::string xp = std::to_string(engine->MiniGameXp);
  if (time->Interval > 35) {
    engine->ShowGameMessage("Поздравляем! Вы смогли удержать полосу! +" + xp +
                            "% к настроению. Теперь сложность увеличиться!");
    engine->AddMood(static_cast<uint32_t>(engine->MiniGameXp));
    time->Interval = time->Interval - 4;
  } else {
    engine->ShowGameMessage("Поздравляем! Вы смогли удержать полосу! +" + xp + "% к настроению.");
    engine->AddMood(static_cast<uint32_t>(engine->MiniGameXp));
  }
  Hide();
  menu->Show();
  close->Enabled = true;
}

void Tlines::closeClick() {
  Screen::closeClick();
  engine->ResumeGame();
}
