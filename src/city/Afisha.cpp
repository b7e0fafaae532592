#include "city/Afisha.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tafisha* afisha = nullptr;

Tafisha::Tafisha(ui::Application& app) : ui::Form(app) {
  // Wide enough for the longest announcement on one line.
  SetClientSize(520, 300);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Афиша");
  close = frame::MakeCloseLabel(this, "X", 505);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  // Fills the window under the title.
  list = new ui::ListBox(this);
  list->Name = "list";
  list->Align = ui::Align::Client;
  list->Color = ui::clBlack;
  // What is known before the calendars post anything.
  for (const char* line :
       {"12 ноября 2006 года привезут Open Office.", "15 декабря 2006 года привезут новую материнку.",
        "20 февраля 2007 года откроется новая вакансия."}) {
    list->Items.Add(line);
  }

  frame::BindDrag(this);
}

void Tafisha::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}
