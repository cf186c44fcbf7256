// The settings dialog's translation files: the list, "Load", and the file
// chosen applied at start-up.
#include <algorithm>

#include "app/translation.h"
#include "os/os.h"
#include "settings/settings_form.h"
#include "ui/dialogs.h"

namespace {

constexpr char kDefault[] = "Default";

}  // namespace

void TF_Settings::ApplyStartupLanguage() {
  languagesReady_ = true;
  B_load.SetEnabled(!Settings.FirstRun);
  if (Settings.Language.empty() || Settings.Language == kDefault) return;
  if (LoadLanguageFile(Settings.Language) == 0) Settings.Language.clear();
}

int TF_Settings::LoadLanguageFile(const std::string& fileName) {
  const auto file = os::files::Read(Settings.ProgramDir + fileName);
  if (!file) {
    ui::ShowError(
        "Could not find that language file, make sure it's in the same folder as Velmarind");
    return 0;
  }
  const std::vector<std::string> texts = app::ReadTranslationTexts(*file);
  if (static_cast<int>(texts.size()) < app::kTranslationSlots) {
    ui::ShowError("Number of translated sentences does not match! The file " + fileName +
                  " has: " + std::to_string(texts.size()) +
                  " should be: " + std::to_string(app::kTranslationSlots) +
                  ". Make sure you follow the latest template.txt and only have one "
                  "translation / line.");
    return 0;
  }
  app::ApplyTranslation(texts);
  return 1;
}

void TF_Settings::FillLanguageList() {
  CB_language.Clear();
  CB_language.Add(kDefault);
  for (const std::string& name : os::files::List(Settings.ProgramDir + "*.vmd"))
    CB_language.Add(name);
  const std::vector<std::string> items = CB_language.Items();
  const auto chosen = std::find(items.begin(), items.end(), Settings.Language);
  CB_language.SetItemIndex(Settings.Language.empty() || chosen == items.end()
                               ? -1
                               : static_cast<int>(chosen - items.begin()));
}

// "Default" takes effect at the next start; a file only once it is loaded.
void TF_Settings::B_loadClick(ui::TObject*) {
  if (CB_language.ItemIndex() < 0) return;
  const std::string chosen = CB_language.Text();
  if (chosen == kDefault)
    Settings.Language = kDefault;
  else if (LoadLanguageFile(chosen) == 1)
    Settings.Language = chosen;
}
