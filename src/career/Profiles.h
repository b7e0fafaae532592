#pragma once
// The university's profile screens: three paid courses of one level, one
// button each. The two levels differ only in their courses, so one class
// draws both from a table; each level keeps its own class and instance.
#include <array>
#include <cstdint>
#include <string>

#include "engine/Screen.h"

class Tzenx;

// One course: its profile name (the caption), the hint of its button, the
// fee, the installed compiler it needs and what a player without one is told.
struct Profile {
  const char* name;
  const char* hint;
  uint32_t fee;
  std::string Tzenx::*compiler;
  const char* noCompiler;
};

struct ProfileLevel {
  const char* title;
  std::array<Profile, 3> profiles;  // C++, Pascal, PHP
};

class Tprofiles : public Screen {
 public:
  Tprofiles(ui::Application& app, int level, const ProfileLevel& design);

  ui::Image* cpp;
  ui::Label* cppl;
  ui::Image* pas;
  ui::Label* pasl;
  ui::Image* php;
  ui::Label* phpl;

  // The profiles still open to the player (C++, Pascal, PHP): 0 once taken.
  std::array<bool, 3> ProfileAvailable{true, true, true};

  void FormCreate() override;
  void cppClick() { Enrol(0); }
  void pasClick() { Enrol(1); }
  void phpClick() { Enrol(2); }
  // After a course: every profile not yet taken can be chosen again.
  void EnableRemainingProfiles();
  // The button and the label of profile i (0 C++, 1 Pascal, 2 PHP).
  void EnableProfile(int i, bool enabled);

  int Level() const { return level_; }
  const Profile& ProfileAt(int i) const { return design_.profiles[i]; }

 private:
  frame::ButtonRow CourseButton(const char* name, int i) const;
  void Enrol(int i);
  int level_;
  const ProfileLevel& design_;
};

// The course profiles of level `level` (1 or 2).
const ProfileLevel& ProfilesOfLevel(int level);
