// The records of the program's list files (tasklist.ini, alarmlist.ini,
// hotkeylist.ini) and the lines of settings.ini: each file is one table of
// fields in file order, which the reader and the writer both loop over.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "common/data_file.h"
#include "os/os.h"

namespace common {

// One line of a record: a text member, or an integer member of any width
// (written as a decimal number, read with ReadInt and cut to its width).
template <class Record>
using Field = std::variant<std::string Record::*, int Record::*, std::int16_t Record::*,
                           std::uint16_t Record::*>;

template <class Record>
using Fields = std::span<const Field<Record>>;

// The records in the rest of the file: every one whose first line is there,
// so a cut-off last record counts.
template <class Record>
int RecordsLeft(const LineReader& reader, std::type_identity_t<Fields<Record>> fields) {
  return static_cast<int>((reader.LinesLeft() + fields.size() - 1) / fields.size());
}

// Reads a list file's count line and tells how many records to read: the
// count it states, unless the program never writes such a count (no digits,
// negative, more than the file holds); then the records that are there.
// Never more than `most`, never a record the file lacks.
template <class Record>
int ReadRecordCount(LineReader& reader, std::type_identity_t<Fields<Record>> fields,
                    int most = INT_MAX) {
  const std::optional<int> stated = LeadingInt(reader.Next());
  const int present = RecordsLeft<Record>(reader, fields);
  const bool believable = stated && *stated >= 0 && *stated <= present;
  return std::min(believable ? *stated : present, most);
}

// Reads a record's lines; lines past the end read as "" and 0.
template <class Record>
void ReadRecord(LineReader& reader, Record& record, std::type_identity_t<Fields<Record>> fields) {
  for (const Field<Record>& field : fields) {
    std::visit(
        [&](auto member) {
          using Value = std::remove_reference_t<decltype(record.*member)>;
          if constexpr (std::is_same_v<Value, std::string>)
            record.*member = AsOneLine(reader.Next());  // a lone CR, as it will be written
          else
            record.*member = static_cast<Value>(ReadInt(reader.Next()));
        },
        field);
  }
}

template <class Record>
void AppendRecord(std::string& file, const Record& record,
                  std::type_identity_t<Fields<Record>> fields) {
  for (const Field<Record>& field : fields) {
    std::visit(
        [&](auto member) {
          using Value = std::remove_cvref_t<decltype(record.*member)>;
          if constexpr (std::is_same_v<Value, std::string>)
            AppendLine(file, record.*member);
          else
            AppendLine(file, static_cast<int>(record.*member));
        },
        field);
  }
}

// Writes a list file whole and atomically: the count, then each record in
// name order (a stable sort, so two saves are identical). Only when it was
// written does the list take that order; false otherwise.
template <class Record>
bool SaveSortedList(const std::string& path, std::vector<Record>& records,
                    std::type_identity_t<Fields<Record>> fields) {
  std::vector<Record> sorted = records;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Record& a, const Record& b) { return a.Name < b.Name; });
  std::string file;
  AppendLine(file, static_cast<int>(sorted.size()));
  for (const Record& record : sorted) AppendRecord(file, record, fields);
  if (!os::files::SaveAtomically(path, file)) return false;
  records = std::move(sorted);
  return true;
}

}  // namespace common
