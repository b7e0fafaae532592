#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "hardware/Shops.h"
#include "platform/Conversions.h"

// The hardware release calendar: on fixed dates a hidden item of a
// department comes onto the shelf and the playbill learns of the next one.
// Three timers carry it one after the other.

namespace {

struct ShelfItem {
  ui::Image* picture;
  ui::Label* label;
};

// What a row does to the chain of timers after it.
enum class HandOver { None, NextTimer, Stop };

struct Release {
  int timer;  // 1, 2 or 3: devt1, devt2, devt3
  int day;
  const char* month;
  int year;
  ShelfItem (*item)();
  const char* announcement;  // nullptr: nothing is posted
  HandOver handOver;
};

// Rows in calendar order. Row 7's text names 15 March for the disk that
// comes on 15 May, and row 16 brings the processor of row 7 again: both are
// posted and shown as they stand.
const Release kReleases[] = {
    {1, 15, "Декабрь", 2006,
     [] {
       return ShelfItem{mbshop2->mb2, mbshop2->mb2l};
     },
     "10 марта 2007 года привезут новый монитор.", HandOver::None},
    {1, 10, "Март", 2007,
     [] {
       return ShelfItem{mnshop->m2, mnshop->m2l};
     },
     "20 июня 2007 года привезут новый винчестер.", HandOver::None},
    {1, 20, "Июнь", 2007,
     [] {
       return ShelfItem{hshop->h3, hshop->h3l};
     },
     "7 августа 2007 года привезут новый процессор.", HandOver::None},
    {1, 7, "Август", 2007,
     [] {
       return ShelfItem{prshop2->pr3, prshop2->pr3l};
     },
     "30 ноября 2007 года привезут новый процессор.", HandOver::None},
    {1, 30, "Ноябрь", 2007,
     [] {
       return ShelfItem{prshop->pr3, prshop->pr3l};
     },
     "8 января 2008 года привезут новую видео карту.", HandOver::None},
    {1, 8, "Январь", 2008,
     [] {
       return ShelfItem{vshop2->v3, vshop2->v3l};
     },
     "17 марта 2008 года привезут новый процессор.", HandOver::NextTimer},
    {2, 17, "Март", 2008,
     [] {
       return ShelfItem{prshop2->pr4, prshop2->pr4l};
     },
     "15 марта 2008 года привезут новый винчестер.", HandOver::None},
    {2, 15, "Май", 2008,
     [] {
       return ShelfItem{hshop->h4, hshop->h4l};
     },
     "17 июля 2008 года привезут новую видео карту.", HandOver::None},
    {2, 17, "Июль", 2008,
     [] {
       return ShelfItem{vshop->v3, vshop->v3l};
     },
     "5 сентября 2008 года привезут новый модем.", HandOver::None},
    {2, 5, "Сентябрь", 2008,
     [] {
       return ShelfItem{mdshop->m2, mdshop->m2l};
     },
     "7 ноября 2008 года привезут новую оперативку.", HandOver::None},
    {2, 7, "Ноябрь", 2008,
     [] {
       return ShelfItem{rshop->r4, rshop->r4l};
     },
     "5 января 2009 года привезут новую материнку.", HandOver::None},
    {2, 5, "Январь", 2009,
     [] {
       return ShelfItem{mbshop2->mb3, mbshop2->mb3l};
     },
     "30 января 2009 года привезут новую материнку.", HandOver::NextTimer},
    {3, 30, "Январь", 2009,
     [] {
       return ShelfItem{mbshop->mb3, mbshop->mb3l};
     },
     "10 февраля 2009 года привезут новую видео карту.", HandOver::None},
    {3, 10, "Февраль", 2009,
     [] {
       return ShelfItem{vshop->v4, vshop->v4l};
     },
     "17 апреля 2009 года привезут новую видео карту.", HandOver::None},
    {3, 17, "Апрель", 2009,
     [] {
       return ShelfItem{vshop2->v4, vshop2->v4l};
     },
     "5 мая 2009 года привезут новый процессор.", HandOver::None},
    {3, 5, "Май", 2009,
     [] {
       return ShelfItem{prshop2->pr4, prshop2->pr4l};
     },
     "12 июля 2009 года привезут новый монитор.", HandOver::None},
    {3, 12, "Июль", 2009,
     [] {
       return ShelfItem{mnshop->m3, mnshop->m3l};
     },
     "25 августа 2009 года привезут новый процессор.", HandOver::None},
    {3, 25, "Август", 2009,
     [] {
       return ShelfItem{prshop->pr4, prshop->pr4l};
     },
     nullptr, HandOver::Stop},
};

}  // namespace

// One tick of a hardware calendar timer: every row of that timer whose date
// the game screen shows is released; the rows are tested one by one, not
// as a chain of alternatives.
static void ReleaseHardware(Tmenu& screen, int timer) {
  const int day = labels::ReadCount(screen.day);
  const int year = labels::ReadCount(screen.year);
  const std::string month = screen.month->Caption();
  ui::Timer* timers[3] = {screen.devt1, screen.devt2, screen.devt3};
  bool* flags[3] = {&screen.Devt1On, &screen.Devt2On, &screen.Devt3On};
  for (const Release& row : kReleases) {
    if (row.timer != timer || row.day != day || row.year != year || month != row.month) continue;
    const ShelfItem item = row.item();
    item.picture->Visible = true;
    item.label->Visible = true;
    const int own = timer - 1;
    if (row.handOver != HandOver::None) {
      timers[own]->Enabled = false;
      *flags[own] = false;
    }
    if (row.handOver == HandOver::NextTimer) {
      timers[own + 1]->Enabled = true;
      *flags[own + 1] = true;
    }
    if (row.announcement != nullptr) engine->AddPosterEntry(row.announcement);
  }
}

void Tmenu::devt1Timer() { ReleaseHardware(*this, 1); }
void Tmenu::devt2Timer() { ReleaseHardware(*this, 2); }
void Tmenu::devt3Timer() { ReleaseHardware(*this, 3); }
