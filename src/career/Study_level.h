#pragma once
// The university's level chooser: the first level opens after one education
// step, the second after twenty-five. While a course runs both levels are
// locked and three marks show how far the course has come. Closing it goes
// back to the game.
#include "engine/Screen.h"

class Tteach_lev : public Screen {
 public:
  explicit Tteach_lev(ui::Application& app);

  ui::Image* lev1;
  ui::Label* lev1l;  // "Первый уровень"
  ui::Image* lev2;
  ui::Label* lev2l;   // "Второй уровень"
  ui::Label* Label1;  // what opens the second level
  // Progress marks of the running course.
  ui::Image* p1;
  ui::Image* p2;
  ui::Image* p3;
  // The hidden templates: an empty and a done mark.
  ui::Image* n;
  ui::Image* y;

  // Ticks of the running course, as its timer last copied them; 0 between courses.
  int CourseProgress = 0;

  void FormCreate() override;
  void FormShow() override;
  void ShowProgress();
  // All three marks empty.
  void ClearProgress();
  void lev1Click();
  void lev2Click();

 private:
  void SetMarks(int done);
};

extern Tteach_lev* teach_lev;
