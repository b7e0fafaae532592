#include "ui/XErrorLog.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <set>
#include <tuple>

namespace ui {
namespace {

std::mutex guard;
// Every kind noted in this run, and the lines not yet taken.
std::set<std::tuple<int, int, int>> seen;
std::vector<std::string> waiting;

// Xlib calls this for every error reply; it must not talk to the server.
int OnError(Display*, XErrorEvent* event) {
  XErrorLog::Note(event->error_code, event->request_code, event->minor_code);
  return 0;
}

// The connection is gone: nothing more can be shown. Xlib ends the program
// when this returns, so it ends it itself, with a word on why.
int OnConnectionLost(Display* display) {
  const char* name = display != nullptr ? DisplayString(display) : nullptr;
  std::fprintf(stderr,
               "zendrix2: соединение с дисплеем %s потеряно, игра завершается.\n"
               "zendrix2: the connection to the display %s is lost; the game ends.\n",
               name != nullptr ? name : "", name != nullptr ? name : "");
  std::fflush(stderr);
  ::_exit(1);
}

const char* ErrorName(int error) {
  static const char* const names[] = {"",          "BadRequest", "BadValue",         "BadWindow", "BadPixmap",
                                      "BadAtom",   "BadCursor",  "BadFont",          "BadMatch",  "BadDrawable",
                                      "BadAccess", "BadAlloc",   "BadColor",         "BadGC",     "BadIDChoice",
                                      "BadName",   "BadLength",  "BadImplementation"};
  return error > 0 && error < static_cast<int>(sizeof names / sizeof names[0]) ? names[error] : nullptr;
}

// The core requests a window program makes most; others go by number.
const char* RequestName(int request) {
  switch (request) {
    case X_GetWindowAttributes:
      return "GetWindowAttributes";
    case X_DestroyWindow:
      return "DestroyWindow";
    case X_ReparentWindow:
      return "ReparentWindow";
    case X_MapWindow:
      return "MapWindow";
    case X_UnmapWindow:
      return "UnmapWindow";
    case X_ConfigureWindow:
      return "ConfigureWindow";
    case X_GetGeometry:
      return "GetGeometry";
    case X_QueryTree:
      return "QueryTree";
    case X_ChangeProperty:
      return "ChangeProperty";
    case X_DeleteProperty:
      return "DeleteProperty";
    case X_GetProperty:
      return "GetProperty";
    case X_SendEvent:
      return "SendEvent";
    case X_SetInputFocus:
      return "SetInputFocus";
    case X_TranslateCoords:
      return "TranslateCoords";
    case X_PutImage:
      return "PutImage";
    default:
      return nullptr;
  }
}

}  // namespace

void XErrorLog::Install() {
  XSetErrorHandler(OnError);
  XSetIOErrorHandler(OnConnectionLost);
}

std::string XErrorLog::Describe(int error, int request, int minor) {
  // Appended piece by piece: GCC 12 at -O3 takes "text" + std::string for
  // an overlapping copy (-Wrestrict).
  std::string line = "Ошибка X11: ";
  if (const char* name = ErrorName(error)) {
    line.append(name);
  } else {
    line.append("код ").append(std::to_string(error));
  }
  line.append(", запрос ").append(std::to_string(request));
  if (const char* what = RequestName(request)) {
    line.append(" (").append(what).append(")");
  } else if (request >= 128) {
    line.append(".").append(std::to_string(minor));
  }
  line.append(", игра продолжается...");
  return line;
}

void XErrorLog::Note(int error, int request, int minor) {
  const std::lock_guard<std::mutex> lock(guard);
  // Requests of an extension differ by their minor code; the core's don't.
  if (request < 128) minor = 0;
  if (!seen.emplace(error, request, minor).second) return;
  waiting.push_back(Describe(error, request, minor));
}

std::vector<std::string> XErrorLog::Take() {
  const std::lock_guard<std::mutex> lock(guard);
  std::vector<std::string> taken;
  taken.swap(waiting);
  return taken;
}

}  // namespace ui
