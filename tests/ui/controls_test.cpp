// The controls' own behaviour: text entry, memo text, lists, menus, pictures.
#include <filesystem>
#include <fstream>

#include "platform/Cp1251.h"
#include "ui/Canvas.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/ImageDecoders.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
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

// A word far wider than its line is broken into as many lines as it takes
// with a few measurements of each: their number and length follow the
// word's, however long it is.
TEST(Wrapping, ALongWordIsBrokenMeasuringEachLineOnlyAFewTimes) {
  size_t calls = 0, measured = 0;
  const ui::TextMeasure sevenEach = [&](std::string_view s) {
    ++calls;
    measured += s.size();
    return 7 * static_cast<int>(platform::Utf8Length(s));
  };
  for (size_t letters : {1000, 5000}) {
    SCOPED_TRACE(letters);
    std::string word;
    for (size_t i = 0; i < letters; ++i) word += i % 10 == 0 ? "ж" : "x";
    const std::string text = "Начало " + word + " конец";
    calls = measured = 0;
    const std::vector<std::string> lines = ui::WrapText(sevenEach, text, 70);  // ten letters a line
    ASSERT_EQ(lines.size(), letters / 10 + 2);
    EXPECT_EQ(lines.front(), "Начало");
    for (size_t i = 1; i + 1 < lines.size(); ++i) ASSERT_EQ(lines[i], word.substr((i - 1) * 11, 11)) << i;
    EXPECT_EQ(lines.back(), "конец");
    EXPECT_LE(calls, letters);
    EXPECT_LE(measured, 16 * text.size());
  }
}

// A label placed by its size on a window nobody has opened is measured only
// when looked at, and lands where placing it at once would have put it.
TEST_F(Controls, APlacementBySizeLandsWhereItWouldHaveWhenAsked) {
  ui::Form* hidden = nullptr;
  app_->CreateForm(hidden);
  ui::FontCache& fonts = app_->Fonts();
  auto widthOf = [&](ui::Label* l, const std::string& text) { return fonts.Measure(l->Font.Info(), text).width; };
  auto centre = [](ui::Label& l) { l.Left = (200 - l.Width) / 2; };

  auto* plain = new ui::Label(hidden);
  plain->Caption = "Поездка";
  plain->PlaceBySize(centre);
  EXPECT_EQ(plain->Left, (200 - widthOf(plain, "Поездка")) / 2);

  // A new caption before anyone looked: placed by the old one, sized to the new.
  auto* renamed = new ui::Label(hidden);
  renamed->Caption = "Работа";
  renamed->PlaceBySize([](ui::Label& l) { l.Left = 200 - l.Width; });
  renamed->Caption = "На работе...";
  EXPECT_EQ(renamed->Left, 200 - widthOf(renamed, "Работа"));
  EXPECT_EQ(renamed->Width, widthOf(renamed, "На работе..."));

  // The window's font changes before anyone looked: placed by the old font.
  auto* inherits = new ui::Label(hidden);
  inherits->Caption = "Обучение";
  const int before = widthOf(inherits, "Обучение");
  inherits->PlaceBySize(centre);
  hidden->Font.Size = 24;
  EXPECT_EQ(inherits->Left, (200 - before) / 2);
  EXPECT_GT(inherits->Width, before);

  // A place set afterwards stands.
  auto* moved = new ui::Label(hidden);
  moved->Caption = "Афиша";
  moved->PlaceBySize(centre);
  moved->Left = 5;
  EXPECT_EQ(moved->Left, 5);

  // Copying a size from a label not yet measured copies the measured size.
  auto* source = new ui::Label(hidden);
  source->Caption = "Главное меню";
  auto* copy = new ui::Panel(hidden);
  copy->Width = source->Width;
  EXPECT_GT(copy->Width, 20);
  EXPECT_EQ(copy->Width, source->Width);
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
