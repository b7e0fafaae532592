// The controls' own behaviour: text entry, memo text, lists, menus, pictures.
#include <filesystem>
#include <fstream>

#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/ImageDecoders.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/PopupMenu.h"
#include "ui/UiFixture.h"

namespace {

class Controls : public UiFixture {};

TEST_F(Controls, EditTakesRussianAndLatinAndDropsWhatCp1251CannotHold) {
  auto* edit = new ui::Edit(form_);
  input_->click(edit);
  input_->type("Иван Ivan ё№");
  input_->type("日本€");  // CJK cannot be written in the code page; the euro sign can
  EXPECT_EQ(edit->Text(), "Иван Ivan ё№€");
  input_->key(ui::VK_BACK);
  input_->key(ui::VK_BACK);
  EXPECT_EQ(edit->Text(), "Иван Ivan ё");
  input_->key(ui::VK_HOME);
  input_->key(ui::VK_DELETE);
  EXPECT_EQ(edit->Text(), "ван Ivan ё");
}

TEST_F(Controls, EditKeyPressHandlerSeesEachCharacterAndCanDropIt) {
  auto* edit = new ui::Edit(form_);
  std::vector<char32_t> seen;
  edit->OnKeyPress = [&](ui::Control&, char32_t& key) {
    seen.push_back(key);
    if (key != 8 && (key < '0' || key > '9')) key = 0;  // digits and Backspace only
  };
  input_->click(edit);
  input_->type("1a2б3");
  input_->key(ui::VK_BACK);
  input_->key(ui::VK_RETURN);
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(seen, (std::vector<char32_t>{'1', 'a', '2', U'б', '3', 8, 13}));
}

TEST_F(Controls, EditPastesOneLineFromTheClipboard) {
  auto* edit = new ui::Edit(form_);
  edit->MaxLength = 8;
  backend_->SetClipboard("Пётр\nвторая строка");
  input_->click(edit);
  input_->key('V', ui::ssCtrl);
  EXPECT_EQ(edit->Text(), "Пётр");
  backend_->SetClipboard("123456789");
  input_->key('V', ui::ssCtrl);
  EXPECT_EQ(edit->Text(), "Пётр1234");  // up to the limit
}

TEST_F(Controls, MemoKeepsItsTextExactlyAndLoadsCp1251Files) {
  auto* memo = new ui::Memo(form_);
  memo->Text = "a\r";
  memo->Text = memo->Text() + "\n";
  EXPECT_EQ(memo->Text(), "a\r\n");
  EXPECT_EQ(memo->Lines.Count(), 1);
  const std::string path = testing::TempDir() + "/memo.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << "\xCF\xF0\xE8\xE2\xE5\xF2\n\xEC\xE8\xF0";  // "Привет" LF "мир" in CP1251
  }
  memo->LoadFromFile(path);
  EXPECT_EQ(memo->Text(), "Привет\r\nмир");
  EXPECT_EQ(memo->Lines[1], "мир");
  EXPECT_THROW(memo->LoadFromFile(path + ".missing"), std::runtime_error);
  EXPECT_EQ(memo->Text(), "Привет\r\nмир");  // a failed load changes nothing
}

TEST_F(Controls, ListBoxSelectsOnClickAndReportsDoubleClicks) {
  auto* list = new ui::ListBox(form_);
  list->SetBounds(10, 10, 120, 100);
  list->Items.Add("один");
  list->Items.Add("два");
  int clicks = 0, doubles = 0;
  list->OnClick = [&](ui::Control&) { ++clicks; };
  list->OnDblClick = [&](ui::Control&) { ++doubles; };
  input_->moveTo(list, 20, list->ItemHeight * 1 + 5);
  input_->press(list);  // the press lands at the centre: below both items
  input_->release(list);
  EXPECT_EQ(list->ItemIndex, -1);
  EXPECT_EQ(clicks, 0);  // a click on empty space selects nothing
  list->Items.Add("три");
  list->ItemHeight = 40;
  input_->click(list);  // centre: the second item
  EXPECT_EQ(list->ItemIndex, 1);
  EXPECT_EQ(clicks, 1);
  input_->doubleClick(list);
  EXPECT_EQ(doubles, 1);
  list->Items.Clear();
  EXPECT_EQ(list->ItemIndex, -1);
}

TEST_F(Controls, PopupMenuRunsTheChosenItemAfterClosing) {
  auto* label = new ui::Label(form_);
  label->Caption = "меню";
  auto* menu = new ui::PopupMenu(form_);
  std::vector<std::string> ran;
  menu->Add("Первый", [&](ui::Control&) { ran.push_back(menu->Showing() ? "first (open)" : "first"); });
  menu->Add("-");
  menu->Add("Второй", [&](ui::Control&) { ran.push_back("second"); });
  label->PopupMenu = menu;
  input_->answerModal([&](ui::Form& window) {
    EXPECT_EQ(&window, app_->PopupWindow());
    menu->Choose(menu->Items()[2].get());
  });
  input_->rightClick(label);
  EXPECT_EQ(ran, (std::vector<std::string>{"second"}));
  input_->answerModal([&](ui::Form&) { menu->Choose(menu->Items()[0].get()); });
  menu->Popup(1, 1);
  EXPECT_EQ(ran.back(), "first");
  input_->answerModal([&](ui::Form&) { input_->key(ui::VK_ESCAPE); });
  menu->Popup(1, 1);
  EXPECT_EQ(ran.size(), 2u);
  EXPECT_FALSE(menu->Showing());
}

TEST_F(Controls, LabelSizesToItsTextAndWrapsWithinItsWidth) {
  auto* label = new ui::Label(form_);
  label->Caption = "Короткий";
  const int width = label->Width;
  EXPECT_GT(width, 20);
  label->Caption = "Короткий текст подлиннее";
  EXPECT_GT(label->Width, width);
  label->AutoSize = false;
  label->WordWrap = true;
  label->Width = 60;
  label->AutoSize = true;
  EXPECT_EQ(label->Width, 60);
  EXPECT_GE(label->Height, 3 * app_->Fonts().LineHeight(label->Font.Info()));
}

TEST_F(Controls, APictureThatFailsToLoadKeepsThePreviousOne) {
  auto* image = new ui::Image(form_);
  ui::Bitmap red(2, 2, ui::clRed);
  image->Picture.Assign(red);
  const std::string path = testing::TempDir() + "/broken.jpg";
  {
    std::ofstream out(path, std::ios::binary);
    out << "\xFF\xD8\xFF\xE0 this is not a picture";
  }
  EXPECT_THROW(image->Picture.LoadFromFile(path), ui::EInvalidGraphic);
  EXPECT_THROW(image->Picture.LoadFromFile(path + ".missing"), ui::EInvalidGraphic);
  EXPECT_EQ(image->Picture.Width(), 2);
  EXPECT_EQ(image->Picture.Graphic().ColorAt(1, 1), ui::clRed);
}

TEST(Decoders, CorruptOrTruncatedDataIsAnErrorNotACrash) {
  const std::string jpeg = std::string(ZX_GAME_DIR) + "/data/buttons/menu_1.jpg";
  std::ifstream in(jpeg, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 100u);
  const ui::Bitmap good = ui::DecodeJpeg(bytes.data(), bytes.size());
  EXPECT_EQ(good.Width(), 220);
  EXPECT_EQ(good.Height(), 37);
  // A truncated file decodes what is there (libjpeg pads) or fails; it never ends the process.
  for (size_t cut : {size_t{2}, size_t{20}, bytes.size() / 2}) {
    try {
      ui::DecodeJpeg(bytes.data(), cut);
    } catch (const ui::EInvalidGraphic&) {
    }
  }
  const uint8_t junk[] = {'B', 'M', 1, 2, 3, 4, 5, 6, 7};
  EXPECT_THROW(ui::DecodeBmp(junk, sizeof junk), ui::EInvalidGraphic);
  EXPECT_THROW(ui::DecodeJpeg(junk, 0), ui::EInvalidGraphic);
}

}  // namespace
