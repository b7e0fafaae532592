#include "engine/Startup.h"

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

void CreateAllForms(ui::Application& app) {
  app.CreateForm(Form1);
  app.CreateForm(engine);
  app.CreateForm(init);
  app.CreateForm(inst);
  app.CreateForm(mes);
  app.CreateForm(menu);
  app.CreateForm(ques);
  app.CreateForm(bank);
  app.CreateForm(take);
  app.CreateForm(give);
  app.CreateForm(travel);
  app.CreateForm(apteka);
  app.CreateForm(ksalon);
  app.CreateForm(avpath);
  app.CreateForm(canCar);
  app.CreateForm(cbuy);
  app.CreateForm(sanatory);
  app.CreateForm(lines);
  app.CreateForm(comp);
  app.CreateForm(devset);
  app.CreateForm(devsel);
  app.CreateForm(mbshop);
  app.CreateForm(mbshop2);
  app.CreateForm(prshop);
  app.CreateForm(prshop2);
  app.CreateForm(mess);
  app.CreateForm(rshop);
  app.CreateForm(vshop);
  app.CreateForm(vshop2);
  app.CreateForm(hshop);
  app.CreateForm(mdshop);
  app.CreateForm(mnshop);
  app.CreateForm(afisha);
  app.CreateForm(setka);
  app.CreateForm(inclub);
  app.CreateForm(softset);
  app.CreateForm(ssoft);
  app.CreateForm(softsel);
  app.CreateForm(games);
  app.CreateForm(devkomp);
  app.CreateForm(osshop);
  app.CreateForm(textshop);
  app.CreateForm(kshop);
  app.CreateForm(gameshop);
  app.CreateForm(person);
  app.CreateForm(skills);
  app.CreateForm(fwork);
  app.CreateForm(nwork);
  app.CreateForm(kop);
  app.CreateForm(addk);
  app.CreateForm(takek);
  app.CreateForm(infor);
  app.CreateForm(teach_lev);
  app.CreateForm(study1);
  app.CreateForm(study2);
  app.CreateForm(home);
  app.CreateForm(devSkill);
  app.CreateForm(devmenu);
  app.CreateForm(langset);
  app.CreateForm(prset);
  app.CreateForm(gameset);
  app.CreateForm(gameDev);
  app.CreateForm(enter);
  app.CreateForm(sggenre);
  app.CreateForm(devProgress);
  app.CreateForm(inet);
  app.CreateForm(browser);
  app.CreateForm(sBazar);
  app.CreateForm(ssgBuy);
}
