// What every named list (tasks, alarms, hotkeys) does alike with its
// records: each record has a Name and owns its tray item, MenuItem.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ui/dialogs.h"
#include "ui/lists.h"
#include "ui/menu.h"

namespace common {

// The index of the first record that `matches`, or -1.
template <class Record, class Match>
int FindFirst(const std::vector<Record>& records, Match matches) {
  const auto found = std::find_if(records.begin(), records.end(), matches);
  return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

// The index of the first record with exactly that name, or -1.
template <class Record>
int FindByName(const std::vector<Record>& records, const std::string& name) {
  return FindFirst(records, [&name](const Record& record) { return record.Name == name; });
}

// The index of the first record with that Id, or -1.
template <class Record>
int FindById(const std::vector<Record>& records, decltype(Record::Id) id) {
  return FindFirst(records, [id](const Record& record) { return record.Id == id; });
}

// The records' names, in their order.
template <class Record>
std::vector<std::string> NamesOf(const std::vector<Record>& records) {
  std::vector<std::string> names;
  names.reserve(records.size());
  for (const Record& record : records) names.push_back(record.Name);
  return names;
}

// Whether no record but the one at `except` (-1 for none) has that name.
template <class Record>
bool IsNameFree(const std::vector<Record>& records, const std::string& name, int except = -1) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (static_cast<int>(i) != except && records[i].Name == name) return false;
  return true;
}

// Hands out the names of the records of a file being read, each one that no
// record before it has: a name already taken gets " (2)", " (3)" ...
// appended, so that every record can be looked up by its name.
class NameKeeper {
 public:
  // Gives the name a free one when it is taken; true when it did.
  bool Claim(std::string& name) {
    // A file the program saved is in name order: a name after the last one
    // is new, and nothing needs looking up until the order breaks.
    if (taken_.empty() && (inOrder_.empty() || inOrder_.back() < name)) {
      inOrder_.push_back(name);
      return false;
    }
    taken_.insert(std::make_move_iterator(inOrder_.begin()),
                  std::make_move_iterator(inOrder_.end()));
    inOrder_.clear();
    if (taken_.insert(name).second) return false;
    for (int& next = nextSuffix_.try_emplace(name, 2).first->second;; ++next) {
      std::string free = name + " (" + std::to_string(next) + ")";
      if (taken_.insert(free).second) {
        name = std::move(free);
        return true;
      }
    }
  }

 private:
  std::vector<std::string> inOrder_;  // the names so far, while each came after the one before
  std::unordered_set<std::string> taken_;
  std::unordered_map<std::string, int> nextSuffix_;
};

// True, after an "Error" box, when the list already holds `most` records of
// that kind ("task": "The task list is full: it holds at most ... tasks.").
inline bool RefuseWhenFull(std::size_t count, int most, const std::string& kind) {
  if (static_cast<int>(count) < most) return false;
  ui::ShowError("The " + kind + " list is full: it holds at most " + std::to_string(most) + " " +
                kind + "s.");
  return true;
}

// "3 tasks were not loaded: the list holds at most 65535 tasks.": a file
// holds more records than its list can.
inline std::string NotLoadedNotice(int notLoaded, int most, const std::string& kind) {
  return std::to_string(notLoaded) + " " + kind + "s were not loaded: the list holds at most " +
         std::to_string(most) + " " + kind + "s.";
}

// How a failed save of a list file is told: after every change the user
// made himself, or once until a save works for the changes that timers and
// tasks make.
enum class SaveReport { EveryFailure, OncePerFailure };

// What a list remembers of its file's saves. After a failed save the file is
// older than the list, which is then written again at its next change and
// at exit until a save works.
class FileSaves {
 public:
  // Takes a save's outcome; a failure is told in an "Error" box naming the
  // file at `path`, as `report` asks.
  void Took(bool saved, const std::string& path, SaveReport report) {
    unsaved_ = !saved;
    if (saved) {
      failureShown_ = false;
    } else if (report == SaveReport::EveryFailure || !failureShown_) {
      failureShown_ = true;  // before the box: ticks go on under it
      ui::ReportSaveFailure(path);
    }
  }
  bool Unsaved() const { return unsaved_; }

 private:
  bool unsaved_ = false;
  bool failureShown_ = false;  // since the last save that worked
};

// Removes the record at that index with its tray item.
template <class Record>
void RemoveAt(std::vector<Record>& records, int index) {
  ui::TMenuItem* item = records[index].MenuItem;
  if (item && item->Parent()) item->Parent()->Remove(item);
  records.erase(records.begin() + index);
}

// Where a record is listed in its window: in which of the window's sorted
// lists (the one for its state; -1 for none) and under which text.
struct ListEntry {
  int List = -1;
  std::string Text;
  bool operator==(const ListEntry&) const = default;
};

// Shows a change of one record in its window's lists without refilling them:
// the entry `before` goes, and `after` comes where its sorted list puts it.
inline void MoveEntry(std::span<ui::TListBox* const> lists, const ListEntry& before,
                      const ListEntry& after) {
  if (before == after) return;
  if (before.List >= 0) lists[before.List]->Remove(before.Text);
  if (after.List >= 0) lists[after.List]->Add(after.Text);
}

}  // namespace common
