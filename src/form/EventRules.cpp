#include "form/EventRules.h"

#include <fmt/format.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "save/SaveError.h"
#include "save/SaveFile.h"

namespace tolvane::form {

namespace {

using Json = nlohmann::ordered_json;  // the rules in the order of the file

struct Refused {
  std::string message;
};

std::optional<size_t> ColumnOf(std::string_view key) {
  for (size_t col = 0; col < kSaveColumns.size(); ++col)
    // The verdict of the rules is no column a rule can judge.
    if (kSaveColumns[col].key == key && col != kRulesOkColumn && col != kRulesBrokenColumn) return col;
  return std::nullopt;
}

bool HasNumbers(size_t column) { return kSaveColumns[column].sort != SortKind::Text; }

// The number a rule compares a row's value with: a turn by the current turn,
// the others as they sort.
std::optional<int64_t> RuleNumber(const SaveRow& row, size_t column) {
  const std::optional<int64_t>& value = row.values[column];
  if (!value) return std::nullopt;
  return kSaveColumns[column].sort == SortKind::Turn ? *value >> 32 : *value;
}

EventRule::Value ValueOf(const std::string& key, size_t column, const Json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number_integer()) {
    if (!HasNumbers(column)) throw Refused{fmt::format("The rule on \"{}\" must give its values as text.", key)};
    return value.get<int64_t>();
  }
  throw Refused{fmt::format(
      "The rule on \"{}\" must be a text, a whole number, a list of them, or bounds {{\"min\": .., \"max\": ..}}.",
      key)};
}

std::vector<std::string> ItemsOf(const std::string& key, const std::string& member, const Json& value) {
  const auto refuse = [&] {
    return Refused{fmt::format("The rule on \"{}\" must give \"{}\" as a list of texts.", key, member)};
  };
  if (!value.is_array()) throw refuse();
  std::vector<std::string> items;
  for (const Json& item : value) {
    if (!item.is_string()) throw refuse();
    items.push_back(item.get<std::string>());
  }
  return items;
}

EventRule RuleOf(const std::string& key, const Json& value) {
  const std::optional<size_t> column = ColumnOf(key);
  if (!column) throw Refused{fmt::format("The rules file has an unknown key \"{}\".", key)};
  EventRule rule;
  rule.column = *column;
  if (IsListColumn(*column)) {
    if (!value.is_object() || value.empty())
      throw Refused{
          fmt::format("The rule on \"{}\" must be {{\"includes\": [..], \"excludes\": [..]}} (either or both).", key)};
    for (const auto& [member, items] : value.items()) {
      if (member == "includes")
        rule.includes = ItemsOf(key, member, items);
      else if (member == "excludes")
        rule.excludes = ItemsOf(key, member, items);
      else
        throw Refused{fmt::format("The rule on \"{}\" has an unknown key \"{}\".", key, member)};
    }
    return rule;
  }
  if (value.is_object()) {
    if (!HasNumbers(*column))
      throw Refused{fmt::format("The rule on \"{}\" cannot have bounds: the column holds no numbers.", key)};
    if (value.empty()) throw Refused{fmt::format("The rule on \"{}\" must give \"min\", \"max\" or both.", key)};
    for (const auto& [member, bound] : value.items()) {
      if (member != "min" && member != "max")
        throw Refused{fmt::format("The rule on \"{}\" has an unknown key \"{}\".", key, member)};
      if (!bound.is_number_integer())
        throw Refused{fmt::format("The rule on \"{}\" must give \"{}\" as a whole number.", key, member)};
      (member == "min" ? rule.min : rule.max) = bound.get<int64_t>();
    }
    if (rule.min && rule.max && *rule.min > *rule.max)
      throw Refused{fmt::format("The rule on \"{}\" has a \"min\" above its \"max\".", key)};
    return rule;
  }
  if (value.is_array()) {
    if (value.empty()) throw Refused{fmt::format("The rule on \"{}\" lists no value.", key)};
    for (const Json& allowed : value) rule.allowed.push_back(ValueOf(key, *column, allowed));
    return rule;
  }
  rule.allowed.push_back(ValueOf(key, *column, value));
  return rule;
}

bool Breaks(const EventRule& rule, const SaveRow& row) {
  const size_t col = rule.column;
  if (IsListColumn(col)) {
    const auto& items = row.items[col];
    if (!items) return true;
    const auto holds = [&](const std::string& item) {
      return std::find(items->begin(), items->end(), item) != items->end();
    };
    return !std::all_of(rule.includes.begin(), rule.includes.end(), holds) ||
           std::any_of(rule.excludes.begin(), rule.excludes.end(), holds);
  }
  const std::string& cell = row.cells[col];
  const std::optional<int64_t> number = RuleNumber(row, col);
  if (cell.empty() && !number) return true;
  if ((rule.min || rule.max) && !number) return true;
  if (rule.min && *number < *rule.min) return true;
  if (rule.max && *number > *rule.max) return true;
  if (rule.allowed.empty()) return false;
  return std::none_of(rule.allowed.begin(), rule.allowed.end(), [&](const EventRule::Value& allowed) {
    if (const auto* text = std::get_if<std::string>(&allowed)) return *text == cell;
    return number == std::get<int64_t>(allowed);
  });
}

}  // namespace

EventRulesRead ParseEventRules(std::string_view json) {
  EventRulesRead read;
  Json document;
  try {
    document = Json::parse(json);
  } catch (const Json::parse_error& e) {
    // The line of the byte where reading stopped.
    const size_t at = std::min(e.byte > 0 ? e.byte - 1 : 0, json.size());
    const size_t line = size_t(std::count(json.begin(), json.begin() + ptrdiff_t(at), '\n')) + 1;
    const std::string what = e.what();
    const size_t colon = what.find(": ");
    read.error = fmt::format("The rules file is not valid JSON: line {}: {}", line,
                             colon == std::string::npos ? what : what.substr(colon + 2));
    return read;
  }
  if (!document.is_object()) {
    read.error = "The rules file must hold one JSON object that maps column keys to rules.";
    return read;
  }
  EventRules rules;
  try {
    for (const auto& [key, value] : document.items()) rules.rules.push_back(RuleOf(key, value));
  } catch (const Refused& refused) {
    read.error = refused.message;
    return read;
  }
  read.rules = std::move(rules);
  return read;
}

EventRulesRead ReadEventRules(const std::filesystem::path& path) {
  try {
    const ByteBuffer bytes = ReadWholeFile(path);
    return ParseEventRules(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const SaveError& e) {
    return {std::nullopt, e.what()};
  }
}

std::vector<std::string> BrokenRules(const EventRules& rules, const SaveRow& row) {
  std::vector<std::string> broken;
  for (const EventRule& rule : rules.rules)
    if (Breaks(rule, row)) broken.emplace_back(kSaveColumns[rule.column].key);
  return broken;
}

void FillRulesColumns(std::vector<SaveRow>& rows, const EventRules& rules) {
  for (SaveRow& row : rows) {
    if (!row.loaded) continue;
    std::vector<std::string> broken = BrokenRules(rules, row);
    row.cells[kRulesOkColumn] = broken.empty() ? "yes" : "no";
    std::string& cell = row.cells[kRulesBrokenColumn];
    cell.clear();
    for (const std::string& key : broken) cell += (cell.empty() ? "" : ", ") + key;
    row.items[kRulesBrokenColumn] = std::move(broken);
  }
}

}  // namespace tolvane::form
