#include "platform/Launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Conversions.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

LaunchFunction& CurrentLauncher() {
  static LaunchFunction launcher;
  return launcher;
}

// Double fork, so the child is adopted by init and never left a zombie.
void SpawnDetached(const std::string& program, const std::vector<std::string>& arguments) {
  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    ::setsid();
    if (::fork() != 0) ::_exit(0);
    const int devnull = ::open("/dev/null", O_RDWR);
    if (devnull >= 0) {
      ::dup2(devnull, 0);
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execvp(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

void Launch(const std::string& program, const std::vector<std::string>& arguments) {
  if (program.empty()) return;
  if (const LaunchFunction& launcher = CurrentLauncher()) {
    launcher(program, arguments);
    return;
  }
  SpawnDetached(program, arguments);
}

}  // namespace

// Backslashes become slashes; a trailing ".exe" goes when no such file exists.
static std::string ProgramPath(std::string program) {
  for (char& c : program) {
    if (c == '\\') c = '/';
  }
  if (program.size() > 4 && SameText(std::string_view(program).substr(program.size() - 4), ".exe") &&
      !FileExists(program)) {
    program.resize(program.size() - 4);
  }
  return program;
}

CommandLine ParseCommandLine(const std::string& commandLine) {
  CommandLine result;
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  bool inWord = false;  // so that "" gives an empty argument
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word), word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  if (words.empty()) return result;
  // As the system did for unquoted paths with blanks: the program is the
  // shortest run of leading words that names an existing program, else the
  // first word alone.
  size_t used = 1;
  std::string program = ProgramPath(words.front());
  std::string joined = words.front();
  for (size_t n = 2; n <= words.size() && !FileExists(program); ++n) {
    joined += " " + words[n - 1];
    const std::string candidate = ProgramPath(joined);
    if (FileExists(candidate)) {
      program = candidate;
      used = n;
      break;
    }
  }
  words.erase(words.begin(), words.begin() + static_cast<long>(used - 1));
  result.program = program;
  result.arguments.assign(words.begin() + 1, words.end());
  return result;
}

void WinExec(const std::string& commandLine, int) {
  const CommandLine parsed = ParseCommandLine(commandLine);
  if (!CurrentLauncher() && !FileExists(parsed.program)) return;  // missing program: silent
  Launch(parsed.program, parsed.arguments);
}

void ShellExecuteA(const std::string& address) { Launch("xdg-open", {address}); }

void SetLauncher(LaunchFunction launcher) { CurrentLauncher() = std::move(launcher); }

}  // namespace platform
