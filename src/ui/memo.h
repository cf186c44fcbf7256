// A multi-line edit control. Its text is one string with CR LF line breaks;
// lines are numbered from 0 and an empty last line after a final break is
// not counted. Only CR LF ends a line: a lone CR or LF (pasted or added
// text keeps its bytes) is text of its line, for every line operation alike.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// Which scroll bars a memo has; without the horizontal one its lines wrap.
enum class TScrollStyle { ssNone, ssVertical, ssBoth };

class TMemo : public TControl {
 public:
  TMemo(TForm& parent, const TControlPlace& place, TScrollStyle scrollBars = TScrollStyle::ssBoth);

  std::string Text() const { return Peer().Text(); }
  // New text; the caret goes to the start. OnChange runs when it differs.
  void SetText(const std::string& text) { Peer().SetText(text); }
  std::vector<std::string> Lines() const;
  int LineCount() const;
  // Replaces the text by lines joined with CR LF.
  void SetLines(const std::vector<std::string>& lines);

  int SelStart() const { return Peer().SelStart(); }
  int SelLength() const { return Peer().SelLength(); }
  void SetSel(int start, int length) { Peer().SetSel(start, length); }
  std::string SelText() const;
  // Replaces the selection, as typing does; the caret ends after the text.
  void SetSelText(const std::string& text) { Peer().ReplaceSel(text); }
  // Adds text at the end, in one edit as typing there does; the caret ends after it.
  void AppendText(const std::string& text);
  void ScrollCaret() { Peer().ScrollCaret(); }
  void LineScroll(int lines) { Peer().LineScroll(lines); }
  void CopyToClipboard() { Peer().CopySelection(); }
  void SetReadOnly(bool readOnly) { Peer().SetReadOnly(readOnly); }
  void PasteFromClipboard() { Peer().Paste(); }

  // Zero-based line holding the character position (past the end: the last line).
  int LineFromChar(int position) const;
  // Position of the first character of a line; -1 past the last line.
  int LineIndex(int line) const;
  // The line that holds the caret or the start of the selection.
  int CaretLine() const { return LineFromChar(SelStart()); }
};

// Every lone CR or LF becomes CR LF.
std::string NormalizeLineBreaks(const std::string& text);

}  // namespace ui
