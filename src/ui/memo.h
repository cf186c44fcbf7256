// A multi-line edit control. Its text is one string with CR LF line breaks;
// lines are numbered from 0 and an empty last line after a final break is
// not counted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/types.h"

namespace ui {

class TForm;

class TMemo : public TComponent {
 public:
  TMemo(TForm& parent, const TRect& bounds);
  ~TMemo() override;

  NativeHandle Handle() const { return peer_->Handle(); }
  std::string Text() const { return peer_->Text(); }
  void SetText(const std::string& text) { peer_->SetText(text); }
  std::vector<std::string> Lines() const;
  int LineCount() const;
  // Replaces the text by lines joined with CR LF.
  void SetLines(const std::vector<std::string>& lines);

  int SelStart() const { return peer_->SelStart(); }
  int SelLength() const { return peer_->SelLength(); }
  void SetSel(int start, int length) { peer_->SetSel(start, length); }
  void ScrollCaret() { peer_->ScrollCaret(); }
  // Zero-based line holding the character position (past the end: the last line).
  int LineFromChar(int position) const;
  // Position of the first character of a line; -1 past the last line.
  int LineIndex(int line) const;
  // The line that holds the caret or the start of the selection.
  int CaretLine() const { return LineFromChar(SelStart()); }

 private:
  std::unique_ptr<MemoPeer> peer_;
};

// Every lone CR or LF becomes CR LF.
std::string NormalizeLineBreaks(const std::string& text);

}  // namespace ui
