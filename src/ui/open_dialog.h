// The file-open dialog. It remembers the last file chosen.
#pragma once

#include <string>

#include "ui/types.h"

namespace ui {

class TOpenDialog : public TComponent {
 public:
  TOpenDialog(std::string title, std::string filter)
      : Title(std::move(title)), Filter(std::move(filter)) {}
  std::string Title;
  // Pairs of a description and its patterns, all separated by "|".
  std::string Filter;
  std::string FileName;
  // Shows the dialog; true and FileName set when the user chose a file.
  bool Execute();
};

}  // namespace ui
