// Line commands typed into the memo of the real program.
#include <regex>

#include "program.h"

namespace e2e {
namespace {

using MemoE2E = ProgramTest;

TEST_F(MemoE2E, LineCommandsRunATaskMakeAQuickAlarmBackUpTheMemoAndInsertTheTime) {
  const std::string marked = '"' + FilePath("marked.txt") + '"';
  Start({}, {{"tasklist.ini", "1\r\nMark\r\n\r\necho marked>\r\n" + marked +
                                  "\r\n\r\nSystem Command\r\n0\r\n0\r\n"}});
  SendMessageA(main_, WM_HOTKEY, 10000, 0);
  const HWND memo = ShownWindow("TF_Memo");
  ASSERT_NE(memo, nullptr);
  const HWND edit = FindWindowExA(memo, nullptr, "Edit", nullptr);
  const auto typeLine = [edit](const std::string& line) {
    for (char c : line + "\r") SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
  };
  typeLine(".Mark");
  EXPECT_TRUE(WaitUntil([&] { return Read("marked.txt").starts_with("marked"); }));
  EXPECT_EQ(Text(edit), "\r\n") << "the command's line is empty";

  typeLine(":-0:00:02 tea");
  const HWND message = WaitForWindow("TF_ShowMessage");
  EXPECT_EQ(Read("alarmlist.ini").find("#Countdown - (0:00:02) "), 3u) << Read("alarmlist.ini");
  const DWORD typed = GetTickCount();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(message) != 0; }));
  EXPECT_LT(GetTickCount() - typed, 3000u);
  EXPECT_NE(Text(FindWindowExA(message, nullptr, "Edit", nullptr)).find("] - tea"),
            std::string::npos);
  EXPECT_TRUE(WaitUntil([&] { return Read("alarmlist.ini") == "0\r\n"; })) << "fired and dropped";

  typeLine("-b");
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(FilePath("memo_*.txt").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_TRUE(std::regex_match(found.cFileName, std::regex(R"(memo_(\d\d-){4}\d\d\.txt)")))
      << found.cFileName;
  EXPECT_EQ(Read(found.cFileName), "\r\n\r\n") << "the memo without the command";

  typeLine("-t");
  const std::string text = Text(edit);
  EXPECT_TRUE(std::regex_match(text, std::regex("\r\n\r\n\r\n\\d{1,2}:\\d\\d:\\d\\d [AP]M\r\n")))
      << text;
  for (const char* line : {"!16", "_Courier New"}) typeLine(line);
  EXPECT_EQ(Text(edit), text + "\r\n\r\n");
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(Read("memo.txt"), text + "\r\n\r\n");
}

}  // namespace
}  // namespace e2e
