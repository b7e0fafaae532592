#include "Startup.h"

#include <functional>
#include <vector>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Skill.h"
#include "career/Slev1.h"
#include "career/Slev2.h"
#include "career/Study_level.h"
#include "city/Addk.h"
#include "city/Afisha.h"
#include "city/Apteka.h"
#include "city/Avpath.h"
#include "city/Bank.h"
#include "city/CanCar.h"
#include "city/Cbuy.h"
#include "city/Devkomp.h"
#include "city/Give.h"
#include "city/Home.h"
#include "city/Inclub.h"
#include "city/Kop.h"
#include "city/Ksalon.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "city/Setka.h"
#include "city/Take.h"
#include "city/Takek.h"
#include "city/Travel.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Devskills.h"
#include "development/Ent.h"
#include "development/Gamesel.h"
#include "development/Ibrowser.h"
#include "development/Internet.h"
#include "development/Lang.h"
#include "development/Progress.h"
#include "development/Prsel.h"
#include "development/Sgbuy.h"
#include "development/Sgg.h"
#include "development/Sitebazar.h"
#include "engine/Class.h"
#include "engine/Imes.h"
#include "engine/Inf.h"
#include "engine/Instr.h"
#include "engine/Main.h"
#include "engine/Message.h"
#include "engine/Player.h"
#include "engine/Qmes.h"
#include "hardware/Computer.h"
#include "hardware/Device.h"
#include "hardware/Dsel.h"
#include "hardware/Shops.h"
#include "software/Game.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "software/Ssel.h"
#include "software/Textshop.h"

namespace {

// The instance pointers set at start, each cleared again by ForgetAllForms.
std::vector<std::function<void()>> g_forget;

template <typename T>
void Create(ui::Application& app, T*& instance) {
  app.CreateForm(instance);
  g_forget.push_back([&instance] { instance = nullptr; });
}

}  // namespace

void CreateAllForms(ui::Application& app, const std::function<void()>& mainWindowReady) {
  g_forget.clear();
  Create(app, Form1);
  Create(app, engine);
  if (mainWindowReady) mainWindowReady();
  Create(app, init);
  Create(app, inst);
  Create(app, mes);
  Create(app, menu);
  Create(app, ques);
  Create(app, bank);
  Create(app, take);
  Create(app, give);
  Create(app, travel);
  Create(app, apteka);
  Create(app, ksalon);
  Create(app, avpath);
  Create(app, canCar);
  Create(app, cbuy);
  Create(app, sanatory);
  Create(app, lines);
  Create(app, comp);
  Create(app, devset);
  Create(app, devsel);
  Create(app, mbshop);
  Create(app, mbshop2);
  Create(app, prshop);
  Create(app, prshop2);
  Create(app, mess);
  Create(app, rshop);
  Create(app, vshop);
  Create(app, vshop2);
  Create(app, hshop);
  Create(app, mdshop);
  Create(app, mnshop);
  Create(app, afisha);
  Create(app, setka);
  Create(app, inclub);
  Create(app, softset);
  Create(app, ssoft);
  Create(app, softsel);
  Create(app, games);
  Create(app, devkomp);
  Create(app, osshop);
  Create(app, textshop);
  Create(app, kshop);
  Create(app, gameshop);
  Create(app, person);
  Create(app, skills);
  Create(app, fwork);
  Create(app, nwork);
  Create(app, kop);
  Create(app, addk);
  Create(app, takek);
  Create(app, infor);
  Create(app, teach_lev);
  Create(app, study1);
  Create(app, study2);
  Create(app, home);
  Create(app, devSkill);
  Create(app, devmenu);
  Create(app, langset);
  Create(app, prset);
  Create(app, gameset);
  Create(app, gameDev);
  Create(app, enter);
  Create(app, sggenre);
  Create(app, devProgress);
  Create(app, inet);
  Create(app, browser);
  Create(app, sBazar);
  Create(app, ssgBuy);
}

std::exception_ptr ShowMainWindow(ui::Application& app) {
  ui::Form* main = app.MainForm();
  if (main == nullptr || app.Terminated()) return nullptr;
  try {
    main->Show();
  } catch (...) {
    const std::exception_ptr failed = std::current_exception();
    try {
      main->Hide();
    } catch (...) {
      // Hiding it failed too; the first failure is the one to tell.
    }
    return failed;
  }
  return nullptr;
}

void ForgetAllForms() {
  for (const auto& forget : g_forget) forget();
  g_forget.clear();
}
