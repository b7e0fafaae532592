#include "development/Choice.h"

#include "development/Devm.h"

ChoiceScreen::ChoiceScreen(ui::Application& app, const char* title, int choices)
    : Screen(app, {252, kChoices.top + choices * kChoices.step + 4, title, "menu", "X", frame::Back(devmenu)}) {
  // The title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
}
