// The page control: pages in tab order, one shown at a time, tabs switch
// pages on a click, and the controls of hidden pages take no input.
#include "ui/PageControl.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TabSheet.h"
#include "ui/UiFixture.h"

namespace {

class PageControlTest : public UiFixture {
 protected:
  PageControlTest() {
    form_->SetClientSize(400, 240);
    pages_ = new ui::PageControl(form_);
    pages_->SetBounds(10, 10, 380, 220);
    for (const char* caption : {"Первая", "Вторая", "Третья"}) {
      auto* sheet = new ui::TabSheet(pages_);
      sheet->Caption = caption;
      auto* button = new ui::Button(sheet);
      button->SetBounds(20, 20, 80, 25);
      button->Caption = caption;
      buttons_.push_back(button);
    }
    pages_->OnChange = [this](ui::Control&) { ++changes_; };
    input_->pump();
  }

  // A left click at a point of the page control (its tab strip).
  void ClickAt(int x, int y) {
    const ui::Point screen = pages_->ClientToScreen(ui::Point{x, y});
    ui::Event e;
    e.window = form_->Window();
    e.type = ui::Event::Type::MouseMove;
    backend_->PostAtDesktop(e, screen.x, screen.y);
    e.type = ui::Event::Type::MouseDown;
    e.shift = ui::ssLeft;
    backend_->PostAtDesktop(e, screen.x, screen.y);
    e.type = ui::Event::Type::MouseUp;
    e.shift = 0;
    backend_->PostAtDesktop(e, screen.x, screen.y);
    input_->pump();
  }
  void ClickTab(int index) {
    const ui::Rect r = pages_->TabRect(index);
    ASSERT_FALSE(r.Empty()) << "tab " << index << " has no place";
    ClickAt(r.left + r.width / 2, r.top + r.height / 2);
  }

  ui::PageControl* pages_ = nullptr;
  std::vector<ui::Button*> buttons_;
  int changes_ = 0;
};

TEST_F(PageControlTest, FirstPageIsShownAndOnlyItsControlsShow) {
  ASSERT_EQ(pages_->PageCount(), 3);
  EXPECT_EQ(pages_->ActivePage(), pages_->Pages(0));
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_EQ(pages_->Pages(3), nullptr);
  EXPECT_EQ(pages_->Pages(-1), nullptr);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages_->Pages(i)->PageIndex(), i);
    EXPECT_EQ(pages_->Pages(i)->PageControl(), pages_);
    EXPECT_EQ(buttons_[i]->IsShowing(), i == 0) << i;
  }
  // The pages lie below the tab strip, inside the control.
  const ui::Rect page = pages_->DisplayRect();
  EXPECT_GT(page.top, pages_->TabRect(0).bottom() - 1);
  EXPECT_LE(page.right(), pages_->Width());
  EXPECT_EQ(pages_->Pages(2)->BoundsRect(), page);
}

TEST_F(PageControlTest, TabsLieSideBySideInPageOrder) {
  for (ui::TabStyle style : {ui::TabStyle::Tabs, ui::TabStyle::Buttons, ui::TabStyle::FlatButtons}) {
    pages_->Style = style;
    for (int i = 0; i + 1 < 3; ++i) {
      const ui::Rect a = pages_->TabRect(i), b = pages_->TabRect(i + 1);
      EXPECT_FALSE(a.Empty());
      EXPECT_LE(a.right(), b.left);
      EXPECT_EQ(pages_->IndexOfTabAt(a.left + 2, a.top + a.height / 2), i);
    }
    EXPECT_EQ(pages_->IndexOfTabAt(pages_->Width() - 2, 3), -1);  // right of the last tab
  }
}

TEST_F(PageControlTest, ClickOnATabShowsItsPageAndReportsTheChangeOnce) {
  ClickTab(2);
  EXPECT_EQ(pages_->ActivePage(), pages_->Pages(2));
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(buttons_[2]->IsShowing());
  EXPECT_FALSE(buttons_[0]->IsShowing());
  ClickTab(2);  // the page shown already: no change
  EXPECT_EQ(changes_, 1);
  ClickAt(pages_->Width() - 2, 3);  // the strip beyond the tabs
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  EXPECT_EQ(changes_, 1);
}

TEST_F(PageControlTest, RightButtonOnATabChangesNothing) {
  const ui::Rect r = pages_->TabRect(1);
  input_->moveTo(pages_, r.left + 4, r.top + 4);
  const ui::Point screen = pages_->ClientToScreen(ui::Point{r.left + 4, r.top + 4});
  ui::Event e;
  e.window = form_->Window();
  e.type = ui::Event::Type::MouseDown;
  e.button = ui::MouseButton::Right;
  backend_->PostAtDesktop(e, screen.x, screen.y);
  e.type = ui::Event::Type::MouseUp;
  backend_->PostAtDesktop(e, screen.x, screen.y);
  input_->pump();
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_EQ(changes_, 0);
}

TEST_F(PageControlTest, ChoosingAPageInCodeKeepsBothPropertiesInStepWithoutOnChange) {
  pages_->ActivePageIndex = 1;
  EXPECT_EQ(pages_->ActivePage(), pages_->Pages(1));
  pages_->ActivePage = pages_->Pages(2);
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  EXPECT_TRUE(buttons_[2]->IsShowing());
  EXPECT_FALSE(buttons_[1]->IsShowing());
  EXPECT_EQ(changes_, 0);
  pages_->ActivePageIndex = 7;  // no such page: none is shown
  EXPECT_EQ(pages_->ActivePage(), nullptr);
  EXPECT_EQ(pages_->ActivePageIndex(), -1);
  for (ui::Button* b : buttons_) EXPECT_FALSE(b->IsShowing());
}

TEST_F(PageControlTest, APageOfAnotherControlIsRefused) {
  auto* other = new ui::PageControl(form_);
  auto* stranger = new ui::TabSheet(other);
  pages_->ActivePage = stranger;
  EXPECT_EQ(pages_->ActivePage(), nullptr);
  EXPECT_EQ(pages_->ActivePageIndex(), -1);
  EXPECT_EQ(other->ActivePage(), stranger);
}

TEST_F(PageControlTest, ControlsOfHiddenPagesTakeNoClicks) {
  int clicks[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) buttons_[i]->OnClick = [&clicks, i](ui::Control&) { ++clicks[i]; };
  // All three buttons lie at the same place; only the shown page's answers.
  input_->click(buttons_[1]);
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0);
  ClickTab(1);
  input_->click(buttons_[1]);
  EXPECT_EQ(clicks[1], 1);
  EXPECT_EQ(clicks[0], 1);
}

TEST_F(PageControlTest, MouseOverTheStripIsThePageControlsAndOverAPageTheSheets) {
  int overControl = 0, overSheet = 0;
  pages_->OnMouseMove = [&](ui::Control&, ui::ShiftState, int, int) { ++overControl; };
  pages_->Pages(0)->OnMouseMove = [&](ui::Control&, ui::ShiftState, int, int) { ++overSheet; };
  input_->moveTo(pages_, pages_->Width() - 5, 4);
  EXPECT_EQ(overControl, 1);
  input_->moveTo(pages_->Pages(0), 200, 150);
  EXPECT_EQ(overSheet, 1);
  EXPECT_EQ(overControl, 1);
}

TEST_F(PageControlTest, APageWithoutATabCannotBeChosenAndGivesWayWhenShown) {
  pages_->Pages(1)->TabVisible = false;
  EXPECT_TRUE(pages_->TabRect(1).Empty());
  EXPECT_EQ(pages_->TabRect(2).left, pages_->TabRect(0).right());  // the gap closes
  pages_->SelectNextPage(true);
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  pages_->SelectNextPage(true);  // wraps round, skipping the page without a tab
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  pages_->Pages(1)->TabVisible = true;
  pages_->ActivePageIndex = 1;
  pages_->Pages(1)->TabVisible = false;
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
}

TEST_F(PageControlTest, ResizingMovesThePagesWithTheControl) {
  pages_->SetBounds(0, 0, 300, 150);
  const ui::Rect page = pages_->DisplayRect();
  EXPECT_LE(page.right(), 300);
  EXPECT_LE(page.bottom(), 150);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(pages_->Pages(i)->BoundsRect(), page);
}

// On a window not yet shown the pages are placed when looked at, by the
// strip of the font the control has then; a place set by hand stands.
TEST_F(PageControlTest, PagesOfAHiddenWindowFollowTheFontTheyAreLookedAtWith) {
  ui::Form* hidden = nullptr;
  app_->CreateForm(hidden);
  auto* pages = new ui::PageControl(hidden);
  pages->SetBounds(0, 0, 300, 200);
  auto* first = new ui::TabSheet(pages);
  first->Caption = "Процессоры";
  auto* second = new ui::TabSheet(pages);
  second->Caption = "Память";
  const int smallTop = pages->DisplayRect().top;
  pages->Font.Size = 24;
  EXPECT_GT(pages->DisplayRect().top, smallTop);
  EXPECT_EQ(first->BoundsRect(), pages->DisplayRect());
  EXPECT_EQ(second->BoundsRect(), pages->DisplayRect());

  pages->Font.Size = 8;
  second->Height = 50;
  EXPECT_EQ(second->Height, 50);
  EXPECT_EQ(second->Top, pages->DisplayRect().top);
}

TEST_F(PageControlTest, ShownFlatTabIsDrawnPressedInAndTheOthersFlat) {
  form_->Color = ui::clBlack;
  pages_->Style = ui::TabStyle::FlatButtons;
  pages_->ActivePageIndex = 1;
  const ui::Bitmap& bitmap = form_->Render();
  auto at = [&](int index) {
    const ui::Rect r = pages_->TabRect(index);
    const ui::Point p = pages_->ClientToScreen(ui::Point{r.left + 3, r.top + 3});
    const ui::Point origin = form_->ClientToScreen(ui::Point{0, 0});
    return bitmap.ColorAt(p.x - origin.x, p.y - origin.y);
  };
  EXPECT_EQ(at(0), ui::clBlack);
  EXPECT_NE(at(1), ui::clBlack);
  // The pages take the control's colour.
  EXPECT_EQ(pages_->Pages(0)->Color(), ui::clBlack);
  EXPECT_TRUE(exceptions_.empty());
}

}  // namespace
