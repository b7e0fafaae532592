#include "HoverRoute.h"

#include "engine/Class.h"
#include "engine/Main.h"
#include "hardware/Dsel.h"

namespace bench {

std::vector<ui::Image*> HoverButtons(HoverScreen screen) {
  if (screen == HoverScreen::Menu) {
    return {Form1->game, Form1->load, Form1->save, Form1->help, Form1->set, Form1->close};
  }
  return {devsel->mb1, devsel->mb2, devsel->pr1, devsel->pr2, devsel->ram,
          devsel->v1,  devsel->v2,  devsel->hdd, devsel->md,  devsel->mn};
}

void ShowHoverScreen(BenchGame& game, HoverScreen screen) {
  if (screen == HoverScreen::Chooser) {
    game.app().MainForm()->Hide();
    devsel->Show();
  }
  game.pump();
}

HoverPoint HoverMove(const std::vector<ui::Image*>& buttons, size_t k) {
  ui::Image* b = buttons[k % buttons.size()];
  return {b, b->Width() / 2 + static_cast<int>(k % 7) - 3, b->Height() / 2};
}

int HoverLoads(const std::vector<ui::Image*>& buttons) {
  int loads = 0;
  for (ui::Image* b : buttons) loads += b->Picture.LoadCount();
  return loads;
}

const std::vector<std::vector<std::string>>& HoverFilesOfMoves(HoverScreen screen) {
  static std::vector<std::vector<std::string>> files[2];
  auto& out = files[screen == HoverScreen::Menu ? 0 : 1];
  if (!out.empty()) return out;
  ProgramFolder folder;
  BenchGame game(folder);
  ShowHoverScreen(game, screen);
  const std::vector<ui::Image*> buttons = HoverButtons(screen);
  for (size_t k = 0; k < 2 * buttons.size(); ++k) {
    std::vector<int> before;
    for (ui::Image* b : buttons) before.push_back(b->Picture.LoadCount());
    const HoverPoint p = HoverMove(buttons, k);
    game.moveTo(p.button, p.x, p.y);
    std::vector<std::string> move;
    for (size_t i = 0; i < buttons.size(); ++i) {
      // An image loaded more than once in a move loaded its last file each time.
      for (int n = before[i]; n < buttons[i]->Picture.LoadCount(); ++n)
        move.push_back(LastingPath(buttons[i]->Picture.FileName()));
    }
    if (k >= buttons.size()) out.push_back(move);  // the second round: from button to button
  }
  return out;
}

}  // namespace bench
