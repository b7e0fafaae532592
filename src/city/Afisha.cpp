#include "city/Afisha.h"

#include "city/Play.h"

Tafisha* afisha = nullptr;

// Wide enough for the longest announcement on one line.
Tafisha::Tafisha(ui::Application& app) : Screen(app, {520, 300, "Афиша", nullptr, "X", frame::Back(menu)}) {
  DoubleBuffered = false;

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
}
