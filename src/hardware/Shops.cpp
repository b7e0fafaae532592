#include "hardware/Shops.h"

#include "engine/Class.h"
#include "hardware/Dsel.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

Tmbshop* mbshop = nullptr;
Tmbshop2* mbshop2 = nullptr;
Tprshop* prshop = nullptr;
Tprshop2* prshop2 = nullptr;
Trshop* rshop = nullptr;
Tvshop* vshop = nullptr;
Tvshop2* vshop2 = nullptr;
Thshop* hshop = nullptr;
Tmdshop* mdshop = nullptr;
Tmnshop* mnshop = nullptr;

namespace {

// Items lie 48 pixels apart from the top of the window down; the window
// is as tall as its items.
constexpr int kItemLeft = 8;
constexpr int kFirstItemTop = 40;
constexpr int kItemStep = 48;
constexpr int kItemWidth = 275;
constexpr int kItemHeight = 37;

const DepartmentDesign kMbshop{"Отдел материнских плат Intel",
                               "материнская плата",
                               3,
                               {{{"mb1", &Tzenx::Mb1i, &Tzenx::Mb1ic, true},
                                 {"mb2", &Tzenx::Mb2i, &Tzenx::Mb2ic, true},
                                 {"mb3", &Tzenx::Mb3i, &Tzenx::Mb3ic, false}}}};
const DepartmentDesign kMbshop2{"Отдел материнских плат AMD",
                                "материнская плата",
                                3,
                                {{{"mb1", &Tzenx::Mb1a, &Tzenx::Mb1ac, true},
                                  {"mb2", &Tzenx::Mb2a, &Tzenx::Mb2ac, false},
                                  {"mb3", &Tzenx::Mb3a, &Tzenx::Mb3ac, false}}}};
const DepartmentDesign kPrshop{"Отдел процессоров AMD",
                               "процессор",
                               4,
                               {{{"pr1", &Tzenx::Pr1a, &Tzenx::Pr1ac, true},
                                 {"pr2", &Tzenx::Pr2a, &Tzenx::Pr2ac, true},
                                 {"pr3", &Tzenx::Pr3a, &Tzenx::Pr3ac, false},
                                 {"pr4", &Tzenx::Pr4a, &Tzenx::Pr4ac, false}}}};
const DepartmentDesign kPrshop2{"Отдел процессоров Intel",
                                "процессор",
                                4,
                                {{{"pr1", &Tzenx::Pr1i, &Tzenx::Pr1ic, true},
                                  {"pr2", &Tzenx::Pr2i, &Tzenx::Pr2ic, true},
                                  {"pr3", &Tzenx::Pr3i, &Tzenx::Pr3ic, false},
                                  {"pr4", &Tzenx::Pr4i, &Tzenx::Pr4ic, false}}}};
const DepartmentDesign kRshop{"Отдел оперативной памяти",
                              "озу",
                              4,
                              {{{"r1", &Tzenx::Ram1, &Tzenx::Ram1c, true},
                                {"r2", &Tzenx::Ram2, &Tzenx::Ram2c, true},
                                {"r3", &Tzenx::Ram3, &Tzenx::Ram3c, true},
                                {"r4", &Tzenx::Ram4, &Tzenx::Ram4c, false}}}};
const DepartmentDesign kVshop{"Отдел видео карт NVidia",
                              "видео",
                              4,
                              {{{"v1", &Tzenx::Vid1g, &Tzenx::Vid1gc, true},
                                {"v2", &Tzenx::Vid2g, &Tzenx::Vid2gc, true},
                                {"v3", &Tzenx::Vid3g, &Tzenx::Vid3gc, false},
                                {"v4", &Tzenx::Vid4g, &Tzenx::Vid4gc, false}}}};
const DepartmentDesign kVshop2{"Отдел видео карт ATI",
                               "видео",
                               4,
                               {{{"v1", &Tzenx::Vid1a, &Tzenx::Vid1ac, true},
                                 {"v2", &Tzenx::Vid2a, &Tzenx::Vid2ac, true},
                                 {"v3", &Tzenx::Vid3a, &Tzenx::Vid3ac, false},
                                 {"v4", &Tzenx::Vid4a, &Tzenx::Vid4ac, false}}}};
const DepartmentDesign kHshop{"Отдел винчестеров SATA-II",
                              "винчестер",
                              4,
                              {{{"h1", &Tzenx::Hdd1, &Tzenx::Hdd1c, true},
                                {"h2", &Tzenx::Hdd2, &Tzenx::Hdd2c, true},
                                {"h3", &Tzenx::Hdd3, &Tzenx::Hdd3c, false},
                                {"h4", &Tzenx::Hdd4, &Tzenx::Hdd4c, false}}}};
const DepartmentDesign kMdshop{
    "Отдел модемов",
    "модем",
    2,
    {{{"m1", &Tzenx::Mod1, &Tzenx::Mod1c, true}, {"m2", &Tzenx::Mod2, &Tzenx::Mod2c, false}}}};
const DepartmentDesign kMnshop{"Отдел мониторов LCD",
                               "монитор",
                               3,
                               {{{"m1", &Tzenx::Mon1, &Tzenx::Mon1c, true},
                                 {"m2", &Tzenx::Mon2, &Tzenx::Mon2c, false},
                                 {"m3", &Tzenx::Mon3, &Tzenx::Mon3c, false}}}};

}  // namespace

Tdepartment::Tdepartment(ui::Application& app, const DepartmentDesign& design) : ui::Form(app), design_(design) {
  const int width = kItemLeft + kItemWidth + 6;
  SetClientSize(width, kFirstItemTop + design.count * kItemStep + 5);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, design.title);
  close = frame::MakeCloseLabel(this, "X", width - 15);

  for (int i = 0; i < design.count; ++i) {
    const DepartmentItem& item = design.items[i];
    const int itemTop = kFirstItemTop + i * kItemStep;
    // The caption is centred over the item, not bold; the show handler writes it.
    const frame::Button made = frame::MakeButton(
        this, &skins_, {item.control, kItemLeft, itemTop, kItemWidth, kItemHeight, "", frame::CaptionPlace::Centred});
    made.label->Font.Style = 0;
    made.picture->Visible = item.visible;
    made.label->Visible = item.visible;
    pictures_[i] = made.picture;
    labels_[i] = made.label;
  }

  close->OnClick = [this](ui::Control&) { closeClick(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tdepartment::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tdepartment::FormShow() {
  for (int i = 0; i < design_.count; ++i) {
    const DepartmentItem& item = design_.items[i];
    ui::Label* label = labels_[i];
    label->Caption = engine->*item.name + " - " + platform::IntToStr(engine->*item.price) + "p.";
    // A long name is written smaller so it stays on its button.
    label->Font.Size = 13;
    while (label->Font.Size > 9 && App().Fonts().Measure(label->Font.Info(), label->Caption()).width > kItemWidth - 8) {
      label->Font.Size = label->Font.Size - 1;
    }
  }
}

void Tdepartment::BuyItem(int index) {
  engine->PlayClickSound();
  const DepartmentItem& item = design_.items[index];
  engine->BuyDevice(engine->*item.price, engine->*item.name, design_.kind);
}

void Tdepartment::closeClick() {
  engine->PlayCloseSound();
  devsel->Show();
  Hide();
}

Tmbshop::Tmbshop(ui::Application& app) : Tdepartment(app, kMbshop) {
  BindClicks<Tmbshop>({&Tmbshop::mb1Click, &Tmbshop::mb2Click, &Tmbshop::mb3Click});
}

Tmbshop2::Tmbshop2(ui::Application& app) : Tdepartment(app, kMbshop2) {
  BindClicks<Tmbshop2>({&Tmbshop2::mb1Click, &Tmbshop2::mb2Click, &Tmbshop2::mb3Click});
}

Tprshop::Tprshop(ui::Application& app) : Tdepartment(app, kPrshop) {
  BindClicks<Tprshop>({&Tprshop::pr1Click, &Tprshop::pr2Click, &Tprshop::pr3Click, &Tprshop::pr4Click});
}

Tprshop2::Tprshop2(ui::Application& app) : Tdepartment(app, kPrshop2) {
  BindClicks<Tprshop2>({&Tprshop2::pr1Click, &Tprshop2::pr2Click, &Tprshop2::pr3Click, &Tprshop2::pr4Click});
}

Trshop::Trshop(ui::Application& app) : Tdepartment(app, kRshop) {
  BindClicks<Trshop>({&Trshop::r1Click, &Trshop::r2Click, &Trshop::r3Click, &Trshop::r4Click});
}

Tvshop::Tvshop(ui::Application& app) : Tdepartment(app, kVshop) {
  BindClicks<Tvshop>({&Tvshop::v1Click, &Tvshop::v2Click, &Tvshop::v3Click, &Tvshop::v4Click});
}

Tvshop2::Tvshop2(ui::Application& app) : Tdepartment(app, kVshop2) {
  BindClicks<Tvshop2>({&Tvshop2::v1Click, &Tvshop2::v2Click, &Tvshop2::v3Click, &Tvshop2::v4Click});
}

Thshop::Thshop(ui::Application& app) : Tdepartment(app, kHshop) {
  BindClicks<Thshop>({&Thshop::h1Click, &Thshop::h2Click, &Thshop::h3Click, &Thshop::h4Click});
}

Tmdshop::Tmdshop(ui::Application& app) : Tdepartment(app, kMdshop) {
  BindClicks<Tmdshop>({&Tmdshop::m1Click, &Tmdshop::m2Click});
}

Tmnshop::Tmnshop(ui::Application& app) : Tdepartment(app, kMnshop) {
  BindClicks<Tmnshop>({&Tmnshop::m1Click, &Tmnshop::m2Click, &Tmnshop::m3Click});
}
