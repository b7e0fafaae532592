#include "engine/Instr.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "engine/Player.h"
#include "platform/Launcher.h"
#include "ui/Application.h"

Tinst* inst = nullptr;

Tinst::Tinst(ui::Application& app) : Screen(app, {949, 643, "Инструктаж к игре \"Зендрикс 2\"", "case", nullptr}) {
  top->OnMouseMove = nullptr;
  text = new ui::Memo(this);
  text->Name = "text";
  text->SetBounds(0, 16, 966, 585);
  text->BorderSingle = false;
  text->ReadOnly = true;
  text->ScrollBars = ui::ScrollStyle::Vertical;
  text->Font.Color = ui::clWhite;

  // "Начать игру" (hidden until the text is written out) comes first in the
  // button list, "Назад" second.
  AddButtons<Tinst>({
      {&Tinst::next,
       &Tinst::nextl,
       {"next", 752, 608, 150, 28, "Начать игру", frame::CaptionPlace::At, 6, 780},
       &Tinst::nextClick},
      {&Tinst::back,
       &Tinst::backl,
       {"back", 48, 608, 150, 28, "Назад", frame::CaptionPlace::At, 6, 100},
       &Tinst::backClick},
  });
  next->Visible = false;
  nextl->Visible = false;

  Label1 = frame::MakeLabel(this, "Label1", 392, 616, "Что-то непонятно?");
  Label1->Font.Style = ui::fsBold | ui::fsUnderline;
  Label1->Cursor = ui::Cursor::HandPoint;
  Label1->OnClick = [this](ui::Control&) { Label1Click(); };

  writer = new ui::Timer(this);
  writer->Name = "writer";
  writer->Enabled = false;
  writer->Interval = 50;
  writer->OnTimer = [this](ui::Control&) { writerTimer(); };

  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnHide = [this](ui::Control&) { FormHide(); };
}

void Tinst::FormCreate() {
  text->Color = ui::clBlack;
  ResetSkins();
  // The text takes no focus, clicks or scrolling: the keys go to the window.
  text->Enabled = false;
}

void Tinst::FormShow() { LoadInstructions(); }

// Loads the file into the text box. A missing or unreadable file is reported
// as the class library reports any failed load, and the box keeps its text.
bool Tinst::LoadText() {
  try {
    text->LoadFromFile(engine->GamePath + "instruct.pf");
    return true;
  } catch (const std::exception& e) {
    App().ShowException(e);
    return false;
  }
}

void Tinst::LoadInstructions() {
  InstructionText.clear();
  TypedCount = 0;
  starts_.clear();
  if (!LoadText()) return;
  InstructionText = text->Text();
  // Characters, not bytes: a Russian letter is one step of the typewriter,
  // a line break (CR LF) two.
  for (size_t i = 0; i < InstructionText.size(); ++i) {
    if ((static_cast<unsigned char>(InstructionText[i]) & 0xC0) != 0x80) starts_.push_back(i);
  }
  text->Clear();
  writer->Enabled = true;
}

void Tinst::writerTimer() {
  if (TypedCount >= InstructionLength()) {
    writer->Enabled = false;
    next->Visible = true;
    nextl->Visible = true;
    return;
  }
  TypedCount += 1;
  const size_t from = starts_[TypedCount - 1];
  const size_t to = TypedCount < InstructionLength() ? starts_[TypedCount] : InstructionText.size();
  text->Text = text->Text() + InstructionText.substr(from, to - from);
}

void Tinst::FormKeyDown(int& key, ui::ShiftState shift) {
  if (key != ui::VK_RETURN || !(shift & ui::ssAlt)) return;
  writer->Enabled = false;
  if (!LoadText()) return;
  next->Visible = true;
  nextl->Visible = true;
}

void Tinst::FormHide() {
  writer->Enabled = false;
  next->Visible = false;
  nextl->Visible = false;
}

void Tinst::nextClick() {
  engine->PlayClickSound();
  engine->PlayerName = init->name->Text();
  engine->PlayerNick = init->nick->Text();
  engine->PlayerSurname = init->sname->Text();
  menu->Show();
  Hide();
  Form1->gamel->Caption = "Продолжить игру";
  Form1->gamel->Left = 58;
  engine->WriteLog("Фамилия игрока: " + engine->PlayerSurname);
  engine->WriteLog("Имя игрока: " + engine->PlayerName);
  engine->WriteLog("Ник-нейм игрока: " + engine->PlayerNick);
  engine->WriteLog("---------------------------------------");
}

void Tinst::backClick() {
  engine->PlayClickSound();
  Hide();
  init->Show();
}

void Tinst::Label1Click() { platform::WinExec(engine->GamePath + "ZenxInfo.exe 4", platform::SW_SHOW); }
