#include <utility>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Textshop.h"

// The software release calendar: on fixed dates an item of a software
// department comes on sale and the playbill learns of the next release.
// soft1 runs first; its last date hands over to soft2.

namespace {

using Item = std::pair<ui::Control*, ui::Control*>;  // picture, caption label

enum class HandOver { None, ToSoft2, End };

struct Release {
  int day;
  const char* month;
  int year;
  Item (*item)();
  std::vector<const char*> posters;
  HandOver handOver;
};

const std::vector<Release> kSoft1 = {
    {12,
     "Ноябрь",
     2006,
     [] {
       return Item{textshop->open, textshop->openl};
     },
     {"5 января 2007 года привезут игру GTA: San Andreas."},
     HandOver::None},
    {5,
     "Январь",
     2007,
     [] {
       return Item{gameshop->gta, gameshop->gtal};
     },
     {"20 января 2007 года состоится релиз ОС Windows Vista.",
      "20 января 2007 года в продаже появится Windows Vista Basic."},
     HandOver::None},
    {20,
     "Январь",
     2007,
     [] {
       return Item{osshop->basic, osshop->basicl};
     },
     {"6 марта 2007 года привезут игру Dark Messiah of M&M."},
     HandOver::None},
    {6,
     "Март",
     2007,
     [] {
       return Item{gameshop->mm, gameshop->mml};
     },
     {"27 апреля 2007 года в продаже появится ОС Windows Vista Ultimate."},
     HandOver::None},
    // The playbill already holds this line from November: nothing is added.
    {27,
     "Апрель",
     2007,
     [] {
       return Item{osshop->ult, osshop->ultl};
     },
     {"5 января 2007 года привезут игру GTA: San Andreas."},
     HandOver::None},
    // The same system again: only the announcement is new.
    {15,
     "Май",
     2007,
     [] {
       return Item{osshop->ult, osshop->ultl};
     },
     {"1 июля 2007 года привезут офисный пакет MS Office."},
     HandOver::None},
    {1,
     "Июль",
     2007,
     [] {
       return Item{textshop->ms, textshop->msl};
     },
     {"13 августа 2007 года привезут игру Age of Empires III."},
     HandOver::ToSoft2},
};

const std::vector<Release> kSoft2 = {
    {13,
     "Август",
     2007,
     [] {
       return Item{gameshop->aoe, gameshop->aoel};
     },
     {"14 октября 2007 года привезут компилятор MS Visual C++."},
     HandOver::None},
    {14,
     "Октябрь",
     2007,
     [] {
       return Item{kshop->ms, kshop->msl};
     },
     {"27 декабря 2007 года привезут компилятор Borland Delphi."},
     HandOver::None},
    {27,
     "Декабрь",
     2007,
     [] {
       return Item{kshop->del, kshop->dell};
     },
     {"17 февраля 2008 года привезут игру F.E.A.R."},
     HandOver::None},
    {17,
     "Февраль",
     2008,
     [] {
       return Item{gameshop->fear, gameshop->fearl};
     },
     {"3 апреля 2008 года привезут игру FIFA."},
     HandOver::None},
    {3,
     "Апрель",
     2008,
     [] {
       return Item{gameshop->fifa, gameshop->fifal};
     },
     {"12 июня 2008 года привезут компилятор РНР 5.0.0.0."},
     HandOver::None},
    {12,
     "Июнь",
     2008,
     [] {
       return Item{kshop->php5, kshop->php5l};
     },
     {"7 августа 2008 года привезут игру Need For Speed."},
     HandOver::None},
    {7,
     "Август",
     2008,
     [] {
       return Item{gameshop->nfs, gameshop->nfsl};
     },
     {"А как открыть еще одну игру думайте сами..."},
     HandOver::End},
};

// One tick: every row of the date is applied, each tested by itself.
void Tick(Tmenu& m, const std::vector<Release>& rows) {
  const int d = labels::ReadCount(m.day);
  const int y = labels::ReadCount(m.year);
  const std::string month = m.month->Caption();
  for (const Release& row : rows) {
    if (d != row.day || y != row.year || month != row.month) continue;
    const Item item = row.item();
    item.first->Visible = true;
    item.second->Visible = true;
    for (const char* text : row.posters) engine->AddPosterEntry(text);
    switch (row.handOver) {
      case HandOver::ToSoft2:
        m.Soft1On = false;
        m.soft1->Enabled = false;
        m.soft2->Enabled = true;
        m.Soft2On = true;
        break;
      case HandOver::End:
        m.Soft2On = false;
        m.soft2->Enabled = false;
        break;
      case HandOver::None:
        break;
    }
  }
}

}  // namespace

void Tmenu::soft1Timer() { Tick(*this, kSoft1); }
void Tmenu::soft2Timer() { Tick(*this, kSoft2); }
