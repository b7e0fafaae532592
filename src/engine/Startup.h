#pragma once
// Start-up: every form of the game, created once, in the fixed order that
// lets each creation handler rely on the ones before it.
#include <functional>

#include "ui/Application.h"

// Creates the 69 forms; the main menu first (the main window), then the
// engine, then every screen. mainWindowReady, when given, runs between the
// engine and the screens: the main menu needs nothing else, so the program
// shows it there and it comes up without waiting for the other screens.
void CreateAllForms(ui::Application& app, const std::function<void()>& mainWindowReady = {});

// Sets every instance pointer CreateAllForms set back to null: called once
// the forms are destroyed, so that no pointer outlives its form.
void ForgetAllForms();

// The application's title.
inline constexpr const char* kApplicationTitle = "Игра \"Зендрикс 2\"";
