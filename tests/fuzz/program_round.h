// The data-file fuzz targets' common part: the whole program, on the headless
// backend with the fake OS, started on a program folder that holds the fuzzed
// file, as a real start reads it; a dialog nobody expects is cancelled.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "common/data_file.h"
#include "os/fake/fake_os.h"
#include "require.h"
#include "settings/settings_record.h"
#include "ui/application.h"
#include "ui/headless/headless.h"

namespace fuzz {

inline std::string& File(const std::string& name) {
  return os::fake::world().files["C:\\Velmarind\\" + name];
}

// Starts the program on a fresh fake OS whose folder holds a factory
// settings.ini, the alarm sound and `file` with `bytes`; runs `act` on it;
// ends it and gives that file's bytes as they are then.
template <class Act>
std::string Round(const std::string& file, const std::string& bytes, Act act) {
  os::fake::Reset();
  ui::headless::Reset();
  ui::headless::SetUnexpectedDialogHandler([](const ui::headless::Dialog&) {});
  File("settings.ini") = CSettings().ToFileText();
  File("sound.wav") = "RIFF";
  File(file) = bytes;
  {
    ui::TApplication application;
    ui::Application = &application;
    app::StartApplication();
    act();
    app::FinishApplication();
    ui::Application = nullptr;
  }
  return File(file);
}

// The lines of a file as the program reads them.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  common::LineReader reader(text);
  while (!reader.AtEnd()) lines.emplace_back(reader.Next());
  return lines;
}

// A saved list file: its count line states the records there, each `fields` lines long.
inline void RequireWholeRecords(const std::string& file, std::size_t fields) {
  const std::vector<std::string> lines = Lines(file);
  Require(!lines.empty() && (lines.size() - 1) % fields == 0, "whole records");
  Require(lines[0] == std::to_string((lines.size() - 1) / fields), "the count states them");
}

// A list file read and saved, then that save read and saved again: whole
// records of `fields` lines, and the same bytes the second time.
inline void RequireStableList(const std::string& input, std::size_t fields,
                              std::string (*loadAndSave)(const std::string&)) {
  const std::string first = loadAndSave(input);
  RequireWholeRecords(first, fields);
  Require(loadAndSave(first) == first, "read and saved again, the same bytes");
}

}  // namespace fuzz
