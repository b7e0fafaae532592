#pragma once
// The route of the hover benchmarks: a hand moving over a screen's skinned
// buttons, from button to button, a few pixels apart each time. Two screens:
// the main menu (six buttons) and the hardware department chooser (ten).
// Shared by the moves on SDL's dummy driver and those in a real X window.
#include <cstddef>
#include <string>
#include <vector>

#include "BenchGame.h"
#include "ui/Image.h"

namespace bench {

enum class HoverScreen { Menu, Chooser };

std::vector<ui::Image*> HoverButtons(HoverScreen screen);
// The main menu is up from the start; the chooser takes its place.
void ShowHoverScreen(BenchGame& game, HoverScreen screen);

// Move k of the route: the button and the point in its own coordinates.
struct HoverPoint {
  ui::Image* button;
  int x, y;
};
HoverPoint HoverMove(const std::vector<ui::Image*>& buttons, size_t k);

// Pictures the buttons have loaded so far.
int HoverLoads(const std::vector<ui::Image*>& buttons);

// The files each move of a round over the buttons loads (from the last
// button to the first, then on from button to button), found by making the
// moves headless once: the floor decodes these.
const std::vector<std::vector<std::string>>& HoverFilesOfMoves(HoverScreen screen);

}  // namespace bench
