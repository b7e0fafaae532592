#pragma once
// Starting other programs: the stand-ins for WinExec and ShellExecuteA.
#include <functional>
#include <string>
#include <vector>

namespace platform {

constexpr int SW_SHOW = 5;

// Splits a Windows-style command line: the first word is the program (its
// backslashes become slashes, and a trailing ".exe" is dropped when no file
// of that name exists), the rest are its arguments.
struct CommandLine {
  std::string program;
  std::vector<std::string> arguments;
};
CommandLine ParseCommandLine(const std::string& commandLine);

// Starts the program detached and returns at once; a missing program is
// silent. The game never looks at the result.
void WinExec(const std::string& commandLine, int showWindow);

// Opens a web address in the desktop's browser (xdg-open), detached.
void ShellExecuteA(const std::string& address);

// Tests replace the real launcher to see what would have been started.
using LaunchFunction = std::function<void(const std::string& program, const std::vector<std::string>& arguments)>;
void SetLauncher(LaunchFunction launcher);  // empty restores the real one

}  // namespace platform
