#pragma once
// Start-up: every form of the game, created once, in the fixed order that
// lets each creation handler rely on the ones before it.
#include <exception>
#include <functional>

#include "ui/Application.h"

// Creates the 69 forms; the main menu first (the main window), then the
// engine, then every screen. mainWindowReady, when given, runs between the
// engine and the screens: the main menu needs nothing else, so the program
// shows it there and it comes up without waiting for the other screens.
void CreateAllForms(ui::Application& app, const std::function<void()>& mainWindowReady = {});

// Shows the main window at start. The main menu loads its skins when it is
// shown, so a show that fails is the window failing to be made: it is hidden
// again rather than left up as an empty frame, and the failure is returned
// for the start to report (null when the window came up).
std::exception_ptr ShowMainWindow(ui::Application& app);

// Sets every instance pointer CreateAllForms set back to null: called once
// the forms are destroyed, so that no pointer outlives its form.
void ForgetAllForms();

// The application's title.
inline constexpr const char* kApplicationTitle = "Игра \"Зендрикс 2\"";
