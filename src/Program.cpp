#include "Program.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "Startup.h"
#include "engine/Class.h"
#include "ui/Application.h"
#include "ui/HeadlessBackend.h"

namespace {

// An exception that nothing inside the program caught: written out, and
// shown in the error box when there is a window to show it in.
void ReportEscaped(ui::Application* app, bool headless, const std::exception& e, std::ostream& errors) {
  errors << "zendrix2: " << e.what() << std::endl;
  if (app == nullptr || headless || app->Terminated()) return;
  try {
    app->ShowException(e);
  } catch (...) {
    // The box itself failed; the report above stands.
  }
}

int RunForms(std::unique_ptr<ui::Backend> backend, const GameRun& run, std::ostream& errors) {
  auto* virtualMachine = dynamic_cast<ui::HeadlessBackend*>(backend.get());
  const bool headless = virtualMachine != nullptr;
  int reports = 0;
  std::unique_ptr<ui::Application> app;
  try {
    app = std::make_unique<ui::Application>(std::move(backend));
    app->Title = kApplicationTitle;
    app->ExeName = run.exeName;
    // What the window system refused and the game lived through goes into
    // the game's log; before the engine is up, to the standard error.
    app->OnDisplayError = [&errors](const std::string& line) {
      if (engine != nullptr) {
        engine->WriteLog(line);
      } else {
        errors << "zendrix2: " << line << std::endl;
      }
    };
    if (headless) {
      app->OnException = [&errors, &reports](const std::string& message) {
        errors << "zendrix2: " << message << std::endl;
        ++reports;
      };
      ui::Application& loop = *app;
      const uint64_t limit = run.headlessMs;
      virtualMachine->OnIdle = [&loop, virtualMachine, limit](uint64_t deadline) {
        // No one answers windows here: time runs to the next timer or the end.
        if (deadline == UINT64_MAX || deadline > limit) {
          virtualMachine->SetClock(std::max(virtualMachine->Now(), limit));
          loop.Terminate();
          return;
        }
        virtualMachine->SetClock(std::max(virtualMachine->Now(), deadline));
      };
    }
    // The main menu comes up as soon as the engine it draws from exists; if
    // it cannot, it stays hidden, and that is reported once every form is
    // built, as the last error of the start.
    std::exception_ptr mainMenuFailed;
    CreateAllForms(*app, [&app, &mainMenuFailed] { mainMenuFailed = ShowMainWindow(*app); });
    if (mainMenuFailed) std::rethrow_exception(mainMenuFailed);
    app->Run();
  } catch (const std::exception& e) {
    ReportEscaped(app.get(), headless, e, errors);
    return 1;
  } catch (...) {
    ReportEscaped(app.get(), headless, std::runtime_error("Unknown exception"), errors);
    return 1;
  }
  return reports > 0 ? 1 : 0;
}

}  // namespace

int RunGame(std::unique_ptr<ui::Backend> backend, const GameRun& run, std::ostream& errors) {
  const int status = RunForms(std::move(backend), run, errors);
  ForgetAllForms();  // the forms went with the application
  return status;
}
