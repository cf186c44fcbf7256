// Tasks run by the remote command 47006 in a program under Wine.
#include <gtest/gtest.h>

#include <string>

#include "os/os.h"
#include "program.h"

namespace {

using e2e::Program;
using e2e::ProgramFolder;
using e2e::WaitUntil;

constexpr LPARAM kRunTaskCommand = 47006;

// One task's eight lines in tasklist.ini, CR LF after each.
std::string TaskLines(const std::string& name, const std::string& operation,
                      const std::string& file, const std::string& directory = "",
                      const std::string& parameters = "") {
  std::string text;
  for (const std::string& line : {name, directory, file, parameters, std::string(), operation,
                                  std::string("4"), std::string("0")})
    text += line + "\r\n";
  return text;
}

// Three tasks in name order, as the program saves them: index 0 writes a
// file through the command interpreter, 1 puts a text on the clipboard, 2
// opens a file that does not exist.
std::string TaskList(const ProgramFolder& folder) {
  const std::string quotedOutput = '"' + folder.FilePath("out.txt") + '"';
  std::string text = "3\r\n";
  text += TaskLines("Command", "System Command", "echo ran>", "", quotedOutput);
  text += TaskLines("Copy", "Add To Clipboard", "text from a task");
  text += TaskLines("Open missing", "Open", folder.FilePath("missing.txt"), folder.Path());
  return text;
}

class TasksE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    // Only the alarm sound: every other setting reads as empty or 0.
    folder_.Write("settings.ini", folder_.FilePath("sound.wav") + "\r\n");
    folder_.Write("tasklist.ini", TaskList(folder_));
    program_.Start();
    ASSERT_NE(program_.WaitForWindow("TF_Hotkey"), nullptr) << "start-up completes";
    main_ = program_.MainWindow();
  }
  void TearDown() override {
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_.WaitForExit(), 0);
  }
  void RunTaskAt(WPARAM index) { PostMessageA(main_, WM_COMMAND, index, kRunTaskCommand); }

  ProgramFolder folder_;
  Program program_{folder_};
  HWND main_ = nullptr;
};

TEST_F(TasksE2E, IndexZeroRunsTheFirstTaskThroughTheCommandInterpreter) {
  RunTaskAt(0);
  EXPECT_TRUE(WaitUntil([&] { return folder_.Read("out.txt") == "ran\r\n"; }))
      << folder_.Read("out.txt");
}

TEST_F(TasksE2E, AddToClipboardPutsItsTextOnTheClipboard) {
  ASSERT_TRUE(os::clipboard::SetText("before"));
  RunTaskAt(1);
  EXPECT_TRUE(WaitUntil([] { return os::clipboard::GetText() == "text from a task"; }))
      << os::clipboard::GetText();
}

TEST_F(TasksE2E, OpenOfAMissingFileShowsTheShellsErrorInABox) {
  RunTaskAt(2);
  HWND box = program_.WaitForWindow("#32770", "Error");
  ASSERT_NE(box, nullptr);
  char text[256] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, "The specified file was not found.");
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(program_.Running());
}

}  // namespace
