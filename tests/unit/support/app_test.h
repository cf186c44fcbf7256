// Fixture for tests of the whole program on the headless backend: prepare
// the program folder's files, start the program, drive it, finish it.
#pragma once

#include <memory>

#include "app/main_form.h"
#include "app/startup.h"
#include "settings/settings_form.h"
#include "support/headless_test.h"
#include "ui/application.h"

class AppTest : public HeadlessTest {
 protected:
  static constexpr const char* kDir = "C:\\Velmarind\\";

  static std::string& File(const std::string& name) {
    return os::fake::world().files[std::string(kDir) + name];
  }
  static bool HasFile(const std::string& name) {
    return os::fake::world().files.count(std::string(kDir) + name) > 0;
  }

  // A settings.ini whose values come from a factory record changed by `edit`,
  // with the alarm sound present.
  template <class Edit>
  static void PrepareSettings(Edit edit) {
    File("sound.wav") = "RIFF";
    CSettings record;  // nothing on disk yet: factory values
    edit(record);
    File("settings.ini") = record.ToFileText();
    os::fake::world().calls.clear();
  }
  static void PrepareSettings() {
    PrepareSettings([](CSettings&) {});
  }

  bool Start() {
    application_ = std::make_unique<ui::TApplication>();
    ui::Application = application_.get();
    return app::StartApplication();
  }

  void Finish() {
    if (!application_) return;
    app::FinishApplication();
    ui::Application = nullptr;
    application_.reset();
  }

  void TearDown() override {
    Finish();
    HeadlessTest::TearDown();
  }

  CSettings& Settings() { return F_Settings->Settings; }

  std::unique_ptr<ui::TApplication> application_;
};
