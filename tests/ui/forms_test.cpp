// Forms: creation order, showing, modality, closing, destruction.
#include "ui/HintWindow.h"
#include "ui/Label.h"
#include "ui/UiFixture.h"

namespace {

struct Recorded : ui::Form {
  Recorded(ui::Application& app, std::vector<std::string>* log, std::string name)
      : ui::Form(app), log_(log), name_(std::move(name)) {
    OnCreate = [this](ui::Control&) { log_->push_back(name_ + ".Create"); };
    OnShow = [this](ui::Control&) { log_->push_back(name_ + ".Show"); };
    OnHide = [this](ui::Control&) { log_->push_back(name_ + ".Hide"); };
    OnDestroy = [this](ui::Control&) { log_->push_back(name_ + ".Destroy"); };
  }
  std::vector<std::string>* log_;
  std::string name_;
};

std::vector<std::string>* g_log = nullptr;
struct First : Recorded {
  explicit First(ui::Application& app) : Recorded(app, g_log, "first") {}
};
struct Second : Recorded {
  explicit Second(ui::Application& app) : Recorded(app, g_log, "second") {}
};
First* first = nullptr;
Second* second = nullptr;

TEST(Forms, CreatedInOrderAndAtTheEndAllVisibleOnesHideBeforeAnyIsDestroyed) {
  std::vector<std::string> log;
  g_log = &log;
  {
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    second = nullptr;
    first = nullptr;
    app.CreateForm(first);
    ASSERT_NE(first, nullptr);
    second = nullptr;
    app.CreateForm(second);
    EXPECT_EQ(app.MainForm(), first);
    second->Show();
    second->Show();  // already visible: no second show event
    first->Show();
    app.Terminate();
    app.Run();
  }
  EXPECT_EQ(log, (std::vector<std::string>{"first.Create", "second.Create", "second.Show", "first.Show", "second.Hide",
                                           "first.Hide", "second.Destroy", "first.Destroy"}));
}

TEST_F(UiFixture, ShowModalEndsWhenTheFormIsHiddenOrClosed) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  input_->answerModal([&](ui::Form& m) { m.Hide(); });
  EXPECT_EQ(dialog->ShowModal(), ui::mrNone);
  input_->answerModal([&](ui::Form& m) { m.Close(); });
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  EXPECT_FALSE(dialog->Visible);
}

TEST_F(UiFixture, ShowingAVisibleWindowModallyFails) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), std::logic_error);
}

TEST_F(UiFixture, CloseQueryCanRefuseAndMainFormCloseEndsTheApplication) {
  bool allow = false;
  form_->OnCloseQuery = [&](ui::Control&, bool& canClose) { canClose = allow; };
  form_->Close();
  EXPECT_FALSE(app_->Terminated());
  EXPECT_TRUE(form_->Visible);
  allow = true;
  form_->Close();
  EXPECT_TRUE(app_->Terminated());
}

TEST_F(UiFixture, ScreenCentredPlacementAndMessageBoxAnswers) {
  EXPECT_EQ(form_->Left, (backend_->DesktopWidth() - 300) / 2);
  EXPECT_EQ(form_->Top, (backend_->DesktopHeight() - 200) / 2);
  input_->answerEnter();
  EXPECT_EQ(app_->MessageBox("Вопрос?", "Заголовок", ui::MB_YESNO | ui::MB_ICONQUESTION), ui::IDYES);
  input_->answerModal([&](ui::Form&) { input_->key(ui::VK_ESCAPE); });
  EXPECT_EQ(app_->MessageBox("Вопрос?", "Заголовок", ui::MB_YESNO | ui::MB_ICONQUESTION), ui::IDNO);
  input_->answerEnter();
  EXPECT_EQ(app_->MessageBox("Текст", "Информация", ui::MB_OK | ui::MB_ICONINFORMATION), ui::IDOK);
}

TEST_F(UiFixture, HintAppearsAfterTheMouseRestsAndGoesWhenItMoves) {
  auto* label = new ui::Label(form_);
  label->Caption = "наведи";
  label->Hint = "Подсказка";
  auto* other = new ui::Label(form_);
  other->Top = 100;
  other->Caption = "другое";
  input_->moveTo(label);
  input_->advance(400);
  EXPECT_FALSE(app_->Hint()->Visible);
  input_->advance(200);
  ASSERT_TRUE(app_->Hint()->Visible);
  EXPECT_EQ(app_->Hint()->Text(), "Подсказка");
  input_->moveTo(other);
  EXPECT_FALSE(app_->Hint()->Visible);
}

// A hint lives no longer than the pointer's stay over its control, nor than
// its window on the screen; each stay shows it once, for its time.
TEST_F(UiFixture, AHintGoesWithThePointersStayAndWithItsWindow) {
  auto* label = new ui::Label(form_);
  label->Caption = "наведи";
  label->Hint = "Подсказка";
  auto* other = new ui::Label(form_);
  other->Top = 100;
  other->Caption = "другое";
  auto windowEvent = [&](ui::Event::Type type) {
    ui::Event e;
    e.type = type;
    e.window = form_->Window();
    backend_->Post(e);
    input_->pump();
  };
  auto hover = [&] {
    input_->moveTo(other);
    input_->moveTo(label);
    input_->advance(600);
    ASSERT_TRUE(app_->Hint()->Visible);
  };

  hover();
  input_->advance(2500);
  EXPECT_FALSE(app_->Hint()->Visible) << "the hint outstayed its time";
  input_->advance(5000);
  EXPECT_FALSE(app_->Hint()->Visible) << "the hint came back while the pointer rested";

  hover();
  windowEvent(ui::Event::Type::MouseLeave);
  EXPECT_FALSE(app_->Hint()->Visible) << "the pointer left the window";
  input_->advance(3000);
  EXPECT_FALSE(app_->Hint()->Visible);

  hover();
  windowEvent(ui::Event::Type::Minimized);
  EXPECT_FALSE(app_->Hint()->Visible) << "the window was minimised from outside";
  input_->advance(3000);
  EXPECT_FALSE(app_->Hint()->Visible);

  hover();
  app_->Minimize();
  EXPECT_TRUE(backend_->Windows().at(form_->Window()).minimized);
  EXPECT_FALSE(app_->Hint()->Visible) << "the game minimised itself";
  input_->advance(3000);
  EXPECT_FALSE(app_->Hint()->Visible);
}

// A hint that cannot show, its window taking no input, gives the loop
// nothing to wait for: the loop sleeps instead of spinning.
TEST_F(UiFixture, AHintThatCannotShowKeepsNoDeadline) {
  auto* label = new ui::Label(form_);
  label->Caption = "наведи";
  label->Hint = "Подсказка";
  input_->moveTo(label);
  form_->Enabled = false;
  EXPECT_EQ(app_->NextDeadline(), UINT64_MAX);
  input_->advance(2000);
  EXPECT_FALSE(app_->Hint()->Visible);
  form_->Enabled = true;
  input_->moveTo(label, 2, 2);
  input_->advance(600);
  EXPECT_TRUE(app_->Hint()->Visible);
}

TEST_F(UiFixture, AfterAModalWindowTheKeyboardGoesBackAndNoHintShowsBeneathIt) {
  auto* label = new ui::Label(form_);
  label->Caption = "под окном";
  label->Hint = "Подсказка";
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  input_->moveTo(label);
  input_->answerModal([&](ui::Form& modal) {
    EXPECT_EQ(backend_->FocusWindow(), modal.Window());
    input_->advance(2000);  // the mouse rests on the label beneath
    EXPECT_FALSE(app_->Hint()->Visible);
    modal.ModalResult = ui::mrOk;
  });
  dialog->ShowModal();
  EXPECT_EQ(backend_->FocusWindow(), form_->Window());
  int key = 0;
  form_->OnKeyDown = [&](ui::Control&, int& k, ui::ShiftState) { key = k; };
  input_->key(ui::VK_SPACE);
  EXPECT_EQ(key, ui::VK_SPACE);
}

// A window manager keeps a modal window above the window it came over, and
// a message box above the modal window it came over.
TEST_F(UiFixture, AModalWindowIsADialogOfTheWindowItCameOverUntilShownOtherwise) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  auto modalFor = [&](const ui::Form& f) { return backend_->Windows().at(f.Window()).modalFor; };
  input_->answerModal([&](ui::Form& modal) {
    EXPECT_EQ(modalFor(modal), form_->Window());
    input_->answerModal([&](ui::Form& box) {
      EXPECT_EQ(modalFor(box), modal.Window());
      box.ModalResult = ui::mrOk;
    });
    app_->MessageBox("Текст", "Информация", ui::MB_OK);
    modal.ModalResult = ui::mrOk;
  });
  dialog->ShowModal();
  dialog->Show();
  EXPECT_EQ(modalFor(*dialog), 0u);
}

TEST_F(UiFixture, AlignedTitleSpansTheFormAndFollowsItsWidth) {
  auto* top = new ui::Label(form_);
  top->AutoSize = false;
  top->Align = ui::Align::Top;
  top->Height = 16;
  EXPECT_EQ(top->Width, 300);
  form_->Width = 420;
  EXPECT_EQ(top->Width, 420);
  EXPECT_EQ(top->Top, 0);
}

}  // namespace
