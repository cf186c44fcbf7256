#include "ui/open_dialog.h"

#include "ui/backend.h"

namespace ui {

bool TOpenDialog::Execute() {
  std::string chosen = FileName;
  if (!ShowOpenFileDialog(Title, Filter, chosen)) return false;
  FileName = chosen;
  return true;
}

}  // namespace ui
