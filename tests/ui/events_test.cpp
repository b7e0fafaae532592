// The order and routing of mouse and keyboard events.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/UiFixture.h"

namespace {

class Events : public UiFixture {
 protected:
  Events() {
    a_ = new ui::Label(form_);
    a_->AutoSize = false;
    a_->SetBounds(10, 10, 50, 20);
    b_ = new ui::Label(form_);
    b_->AutoSize = false;
    b_->SetBounds(100, 10, 50, 20);
    Record(a_, "a");
    Record(b_, "b");
    Record(form_, "form");
  }
  ui::Label* a_;
  ui::Label* b_;
};

TEST_F(Events, ClickComesBeforeMouseUpInsideTheSameControl) {
  input_->press(a_);
  input_->release(a_);
  EXPECT_EQ(events_, (std::vector<std::string>{"a.Down", "a.Click", "a.Up"}));
}

TEST_F(Events, ReleaseElsewhereGivesOnlyMouseUpToThePressedControl) {
  input_->press(a_);
  input_->moveTo(b_);  // the pressed control keeps the mouse while the button is down
  input_->release(b_);
  EXPECT_EQ(events_, (std::vector<std::string>{"a.Down", "a.Move", "a.Up"}));
}

TEST_F(Events, RightButtonGivesDownAndUpButNoClick) {
  input_->press(a_, ui::MouseButton::Right);
  input_->release(a_, ui::MouseButton::Right);
  EXPECT_EQ(events_, (std::vector<std::string>{"a.DownR", "a.UpR"}));
}

TEST_F(Events, DisabledAndHiddenControlsPassTheEventToWhatLiesBeneath) {
  auto* over = new ui::Label(form_);
  over->AutoSize = false;
  over->SetBounds(10, 10, 50, 20);
  Record(over, "over");
  over->Enabled = false;
  input_->click(a_);
  EXPECT_EQ(events_, (std::vector<std::string>{"a.Move", "a.Down", "a.Click", "a.Up"}));
  events_.clear();
  over->Enabled = true;
  over->Visible = false;
  input_->click(a_);
  EXPECT_EQ(events_.front(), "a.Move");
  events_.clear();
  a_->Enabled = false;
  input_->click(a_);
  EXPECT_EQ(events_, (std::vector<std::string>{"form.Move", "form.Down", "form.Click", "form.Up"}));
}

TEST_F(Events, DoubleClickFollowsTheClassicSequence) {
  input_->doubleClick(a_);
  EXPECT_EQ(events_,
            (std::vector<std::string>{"a.Move", "a.Down", "a.Click", "a.Up", "a.DblClick", "a.Down2", "a.Up"}));
}

TEST_F(Events, ClickHandlerThatHidesTheFormStillGetsMouseUp) {
  a_->OnClick = [this](ui::Control&) {
    events_.push_back("a.Click");
    form_->Hide();
  };
  input_->press(a_);
  input_->release(a_);
  EXPECT_EQ(events_, (std::vector<std::string>{"a.Down", "a.Click", "a.Up"}));
  EXPECT_FALSE(form_->Visible);
}

TEST_F(Events, ExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
  a_->OnClick = [](ui::Control&) { throw std::runtime_error("boom"); };
  input_->click(a_);
  ASSERT_EQ(exceptions_.size(), 1u);
  EXPECT_EQ(exceptions_[0], "boom");
  events_.clear();
  input_->click(b_);
  EXPECT_EQ(events_.back(), "b.Up");
}

TEST_F(Events, WindowDragFollowsTheMouseUntilRelease) {
  a_->OnMouseDown = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int x, int y) {
    ui::Form* f = c.ParentForm();
    const ui::Point s = c.ClientToScreen(ui::Point{x, y});
    f->BeginDrag(ui::Point{s.x - f->Left, s.y - f->Top});
  };
  const int left = form_->Left, top = form_->Top;
  input_->drag(a_, 40, -25);
  EXPECT_EQ(form_->Left, left + 40);
  EXPECT_EQ(form_->Top, top - 25);
  // The release ended the drag: moving again leaves the window where it is.
  events_.clear();
  input_->moveTo(b_);
  EXPECT_EQ(form_->Left, left + 40);
  EXPECT_EQ(events_, (std::vector<std::string>{"b.Move"}));
}

TEST_F(Events, KeysGoToTheFocusedControlAndAltIsPassed) {
  auto* edit = new ui::Edit(form_);
  edit->SetBounds(10, 50, 100, 20);
  int seen = 0;
  ui::ShiftState shift = 0;
  form_->OnKeyDown = [&](ui::Control&, int& key, ui::ShiftState s) {
    seen = key;
    shift = s;
  };
  input_->key('K', ui::ssAlt);  // nothing focused: the form gets it
  EXPECT_EQ(seen, 'K');
  EXPECT_EQ(shift, ui::ssAlt);
  seen = 0;
  input_->click(edit);
  input_->key('K', ui::ssAlt);
  EXPECT_EQ(seen, 0);  // the edit has the keyboard, the form isn't previewing
  form_->KeyPreview = true;
  input_->key(ui::VK_RETURN);
  EXPECT_EQ(seen, ui::VK_RETURN);
}

TEST_F(Events, AShownWindowPutsTheKeyboardInItsFirstField) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  auto* second = new ui::Edit(dialog);
  auto* first = new ui::Edit(dialog);
  first->TabOrder = 0;
  second->TabOrder = 1;
  dialog->Show();
  input_->type("abc");
  EXPECT_EQ(first->Text(), "abc");
  EXPECT_EQ(second->Text(), "");
}

TEST_F(Events, TabMovesFocusInTabOrder) {
  auto* first = new ui::Edit(form_);
  auto* second = new ui::Edit(form_);
  first->TabOrder = 1;
  second->TabOrder = 0;
  input_->key(ui::VK_TAB);
  EXPECT_TRUE(second->Focused());
  input_->key(ui::VK_TAB);
  EXPECT_TRUE(first->Focused());
}

TEST_F(Events, ModalWindowBlocksInputToOtherWindows) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  auto* ok = new ui::Button(dialog);
  ok->ModalResult = ui::mrOk;
  int result = -1;
  a_->OnClick = [&](ui::Control&) { result = dialog->ShowModal(); };
  input_->answerModal([&](ui::Form& modal) {
    EXPECT_EQ(&modal, dialog);
    events_.clear();
    input_->click(b_);  // the main form is blocked
    EXPECT_TRUE(events_.empty());
    input_->click(ok);
  });
  input_->click(a_);
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_FALSE(dialog->Visible);
}

// A window manager raises the window clicked, and may give it the keyboard,
// also when a modal window blocks it, and may minimise the modal one alone.
TEST_F(Events, APressKeyOrActivationOnABlockedWindowBringsTheModalOneBackWithTheKeyboard) {
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  input_->answerModal([&](ui::Form& modal) {
    events_.clear();
    backend_->RaiseWindow(form_->Window());
    input_->press(a_);
    input_->release(a_);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(backend_->Stacking().back(), modal.Window());
    EXPECT_EQ(backend_->FocusWindow(), modal.Window());
    backend_->RaiseWindow(form_->Window());
    int key = 0;
    form_->OnKeyDown = [&](ui::Control&, int& k, ui::ShiftState) { key = k; };
    input_->key(ui::VK_SPACE);  // to the blocked window, which has the keyboard
    EXPECT_EQ(key, 0);
    EXPECT_EQ(backend_->Stacking().back(), modal.Window());
    EXPECT_EQ(backend_->FocusWindow(), modal.Window());
    // Minimised on its own from outside, the modal window comes back with a
    // press, a key, or the manager's activation of the blocked window.
    auto post = [&](ui::Event::Type type, const ui::Form& form) {
      ui::Event event;
      event.type = type;
      event.window = form.Window();
      backend_->Post(event);
      input_->pump();
    };
    // The manager gives the keyboard to the window beneath when the modal
    // window is minimised, at once, and may do it twice: that leaves it
    // minimised. fluxbox gives it to the desktop instead.
    auto minimise = [&](bool handedOver = true) {
      backend_->MinimizeWindow(modal.Window());
      backend_->RaiseWindow(form_->Window());
      post(ui::Event::Type::Minimized, modal);
      if (handedOver) {
        backend_->Advance(100);
        post(ui::Event::Type::Activated, *form_);
        backend_->Advance(200);
        post(ui::Event::Type::Activated, *form_);
      }
      ASSERT_TRUE(backend_->Windows().at(modal.Window()).minimized);
      // The player's own activation (a task bar's entry) comes later.
      backend_->Advance(1000);
    };
    auto backWithTheKeyboard = [&] {
      EXPECT_FALSE(backend_->Windows().at(modal.Window()).minimized);
      EXPECT_EQ(backend_->Stacking().back(), modal.Window());
      EXPECT_EQ(backend_->FocusWindow(), modal.Window());
    };
    minimise();
    input_->press(a_);
    input_->release(a_);
    backWithTheKeyboard();
    minimise();
    input_->key(ui::VK_SPACE);
    backWithTheKeyboard();
    minimise();
    post(ui::Event::Type::Activated, *form_);
    backWithTheKeyboard();
    minimise(false);
    post(ui::Event::Type::Activated, *form_);
    backWithTheKeyboard();
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(key, 0);
    modal.ModalResult = ui::mrOk;
  });
  dialog->ShowModal();
  EXPECT_EQ(backend_->FocusWindow(), form_->Window());
}

}  // namespace
