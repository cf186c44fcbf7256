// Fuzzes memo.txt as a start reads it, saved by the memo window. Invariants:
// the file written is the one read with CR LF line ends and NUL bytes as
// blanks, every other byte kept; read and saved again, it keeps every byte;
// the caret, sent to a line the input picks, stays on a line of the memo.
#include "memo/memo_form.h"
#include "program_round.h"

namespace {

// The bytes as memo.txt holds them once saved.
std::string AsSaved(const std::string& in) {
  std::string out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '\r' || in[i] == '\n') {
      out += "\r\n";
      if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
    } else {
      out += in[i] == '\0' ? ' ' : in[i];
    }
  }
  return out;
}

std::string LoadAndSave(const std::string& bytes) {
  return fuzz::Round("memo.txt", bytes, [&bytes] {
    ui::TMemo& memo = F_Memo->Memo;
    const int lines = memo.LineCount();
    F_Memo->GoToLine(bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % (lines + 2));
    fuzz::Require(memo.CaretLine() >= 0 && memo.CaretLine() <= lines, "the caret on a line");
    fuzz::Require(F_Memo->WriteMemoFile(), "the save succeeds");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::Input(data, size);
  const std::string first = LoadAndSave(input);
  fuzz::Require(first == AsSaved(input), "line ends made CR LF, NUL blank, every other byte kept");
  fuzz::Require(LoadAndSave(first) == first, "read and saved again, the same bytes");
  return 0;
}
