// The records of the program's list files (tasklist.ini, alarmlist.ini,
// hotkeylist.ini) and the lines of settings.ini: each file is one table of
// fields in file order, which the reader and the writer both loop over.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <numeric>
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
            MakeOneLine(record.*member = reader.Next());  // a lone CR, as written
          else
            record.*member = static_cast<Value>(ReadInt(reader.Next()));
        },
        field);
  }
}

template <class Record>
std::size_t MostRecordBytes(const Record& record, std::type_identity_t<Fields<Record>> fields) {
  std::size_t most = 0;
  for (const Field<Record>& field : fields)
    std::visit([&](auto member) { most += MostLineBytes(record.*member); }, field);
  return most;
}

// The record's lines written at `out`, which has room for MostRecordBytes;
// returns where the next record goes.
template <class Record>
char* WriteRecord(char* out, const Record& record, std::type_identity_t<Fields<Record>> fields) {
  for (const Field<Record>& field : fields) {
    std::visit(
        [&](auto member) {
          using Value = std::remove_cvref_t<decltype(record.*member)>;
          if constexpr (std::is_same_v<Value, std::string>)
            out = WriteLine(out, record.*member);
          else
            out = WriteLine(out, static_cast<int>(record.*member));
        },
        field);
  }
  return out;
}

template <class Record>
void AppendRecord(std::string& file, const Record& record,
                  std::type_identity_t<Fields<Record>> fields) {
  const std::size_t start = file.size();
  file.resize(start + MostRecordBytes(record, fields));
  file.resize(
      static_cast<std::size_t>(WriteRecord(file.data() + start, record, fields) - file.data()));
}

// Puts records[order[i]] at place i, moving each record once along the
// cycles of the order: no second list, however long the list.
template <class Record>
void Reorder(std::vector<Record>& records, std::vector<std::size_t>& order) {
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    Record held = std::move(records[start]);
    std::size_t to = start;
    for (std::size_t from = order[to]; from != start; from = order[to]) {
      records[to] = std::move(records[from]);
      order[to] = to;
      to = from;
    }
    records[to] = std::move(held);
    order[to] = to;
  }
}

// Writes a list file whole and atomically: the count, then each record in
// name order (a stable sort, so two saves are identical). Only when it was
// written does the list take that order; false otherwise.
template <class Record>
bool SaveSortedList(const std::string& path, std::vector<Record>& records,
                    std::type_identity_t<Fields<Record>> fields) {
  const auto byName = [&records](std::size_t a, std::size_t b) {
    return records[a].Name < records[b].Name;
  };
  std::vector<std::size_t> order(records.size());  // sorting places, not records, is quick
  std::iota(order.begin(), order.end(), 0);
  // A list once saved is in order but for the records added since: those
  // are sorted and merged in.
  const auto added = std::is_sorted_until(order.begin(), order.end(), byName);
  std::stable_sort(added, order.end(), byName);
  std::inplace_merge(order.begin(), added, order.end(), byName);
  const int count = static_cast<int>(records.size());
  std::size_t most = MostLineBytes(count);  // room made once: the file has thousands of lines
  for (const Record& record : records) most += MostRecordBytes(record, fields);
  std::string file(most, '\0');
  char* out = WriteLine(file.data(), count);
  for (const std::size_t at : order) out = WriteRecord(out, records[at], fields);
  file.resize(static_cast<std::size_t>(out - file.data()));
  if (!os::files::SaveAtomically(path, file)) return false;
  Reorder(records, order);
  return true;
}

}  // namespace common
