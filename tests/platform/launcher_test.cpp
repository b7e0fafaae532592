#include "platform/Launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace platform {
namespace {

using Args = std::vector<std::string>;
using testing_support::TempFolder;

TEST(ParseCommandLine, ProgramAndArguments) {
  const CommandLine c = ParseCommandLine("/no/such/game/ZenxInfo.exe 4");
  EXPECT_EQ(c.program, "/no/such/game/ZenxInfo");
  EXPECT_EQ(c.arguments, (Args{"4"}));
  EXPECT_EQ(ParseCommandLine("  tool   a\tb  ").arguments, (Args{"a", "b"}));
  EXPECT_EQ(ParseCommandLine("tool").arguments, Args{});
}

TEST(ParseCommandLine, BackslashesAndTheDoubledSeparator) {
  // The game builds its paths as folder + "\bin\" + name.
  EXPECT_EQ(ParseCommandLine("/no/such/game/\\bin\\ZenxBugInformer.exe").program, "/no/such/game//bin/ZenxBugInformer");
}

TEST(ParseCommandLine, AProgramInAFolderWithBlanksIsFound) {
  TempFolder folder;
  std::filesystem::create_directories(folder.File("my games/zendrix 2/bin"));
  const std::string info = folder.Write("my games/zendrix 2/ZenxInfo", "");
  const CommandLine c = ParseCommandLine(folder.File("my games/zendrix 2/ZenxInfo.exe") + " 4");
  EXPECT_EQ(c.program, info);
  EXPECT_EQ(c.arguments, (Args{"4"}));
  // Nothing found: the first word is the program, as before.
  const CommandLine missing = ParseCommandLine(folder.File("my games/none.exe") + " 4");
  EXPECT_EQ(missing.program, folder.File("my"));
  EXPECT_EQ(missing.arguments, (Args{"games/none.exe", "4"}));
}

TEST(ParseCommandLine, DropsExeOnlyWhenNoSuchFileExists) {
  TempFolder folder;
  const std::string real = folder.Write("Tool.exe", "");
  EXPECT_EQ(ParseCommandLine(real + " 4").program, real);
  EXPECT_EQ(ParseCommandLine(folder.File("Other.EXE")).program, folder.File("Other"));
  EXPECT_EQ(ParseCommandLine(".exe").program, ".exe");
  EXPECT_EQ(ParseCommandLine("/x/setup.exe.txt").program, "/x/setup.exe.txt");
}

TEST(ParseCommandLine, QuotesHoldBlanks) {
  const CommandLine c = ParseCommandLine("\"/My Games/Zenx Info.exe\" \"a b\" \"\" c");
  EXPECT_EQ(c.program, "/My Games/Zenx Info");
  EXPECT_EQ(c.arguments, (Args{"a b", "", "c"}));
}

TEST(ParseCommandLine, EmptyLine) {
  EXPECT_EQ(ParseCommandLine("").program, "");
  EXPECT_EQ(ParseCommandLine("   ").program, "");
}

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLauncher([this](const std::string& program, const Args& arguments) {
      started.push_back(program);
      startedArgs.push_back(arguments);
    });
  }
  void TearDown() override { SetLauncher({}); }

  std::vector<std::string> started;
  std::vector<Args> startedArgs;
};

TEST_F(LauncherTest, WinExecPassesTheParsedLine) {
  WinExec("/game/ZenxInfo.exe 4", SW_SHOW);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "/game/ZenxInfo");
  EXPECT_EQ(startedArgs[0], (Args{"4"}));
}

TEST_F(LauncherTest, ShellExecuteOpensTheAddressInTheBrowser) {
  ShellExecuteA("http://example.org/");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "xdg-open");
  EXPECT_EQ(startedArgs[0], (Args{"http://example.org/"}));
}

TEST(WinExec, AMissingProgramIsSilent) {
  TempFolder folder;
  WinExec(folder.File("NoSuchTool.exe") + " 1", SW_SHOW);  // returns at once, nothing started
  SUCCEED();
}

}  // namespace
}  // namespace platform
