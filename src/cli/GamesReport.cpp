#include "cli/GamesReport.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>
#include <ostream>

#include "form/EventRules.h"
#include "form/exports/Csv.h"

namespace tolvane::report {

namespace {

using Json = nlohmann::ordered_json;
using form::ChainedSave;
using form::Game;
using form::SaveRow;

const std::string& FileName(const SaveRow& row) { return row.cells[form::kFileNameColumn]; }

std::vector<size_t> NotLoaded(const std::vector<SaveRow>& rows) {
  std::vector<size_t> failed;
  for (size_t i = 0; i < rows.size(); ++i)
    if (!rows[i].loaded) failed.push_back(i);
  return failed;
}

Json VerdictJson(const std::optional<bool>& verdict) { return verdict ? Json(*verdict) : Json(nullptr); }

// The rules' verdict on a row: null and none for a save not loaded.
void AddRules(Json& object, const SaveRow& row) {
  object["rules_ok"] = row.loaded ? Json(row.cells[form::kRulesOkColumn] == "yes") : Json(nullptr);
  object["rules_broken"] = row.items[form::kRulesBrokenColumn].value_or(std::vector<std::string>());
}

// A save's verdict as a line of the text.
std::string VerdictText(const ChainedSave& save, const std::vector<SaveRow>& rows) {
  if (!save.continuesPrevious) return "first save";
  if (*save.continuesPrevious) return "continues the previous save";
  return fmt::format("does not continue the previous save; {}: {}",
                     save.continues ? "continues " + FileName(rows[*save.continues]) : "continues no earlier save",
                     save.evidence);
}

std::string RulesText(const SaveRow& row) {
  return row.cells[form::kRulesOkColumn] == "yes" ? "[rules kept]  "
                                                  : "[breaks " + row.cells[form::kRulesBrokenColumn] + "]  ";
}

std::string GamesText(const std::vector<Game>& games, const std::vector<SaveRow>& rows, bool judged) {
  std::string text;
  for (const Game& game : games) {
    text += form::GameLine(game, rows) + "\n";
    for (const ChainedSave& save : game.saves) {
      const SaveRow& row = rows[save.row];
      text += fmt::format("  {}  turn {}  {}{}\n", FileName(row), row.lineage->gameTurn, judged ? RulesText(row) : "",
                          VerdictText(save, rows));
    }
  }
  const std::vector<size_t> failed = NotLoaded(rows);
  if (!failed.empty()) {
    text += "Not loaded:\n";
    for (size_t i : failed) text += fmt::format("  {}  {}\n", FileName(rows[i]), rows[i].cells[form::kErrorColumn]);
  }
  return text;
}

std::string GamesCsv(const std::vector<Game>& games, const std::vector<SaveRow>& rows, bool judged) {
  std::vector<std::string> header = {"game",      "game_name", "file_name", "turn", "continues_previous",
                                     "continues", "evidence"};
  if (judged) header.insert(header.end(), {"rules_ok", "rules_broken"});
  header.push_back("error");
  std::string csv;
  const auto line = [&](const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) csv += (i ? "," : "") + form::CsvField(fields[i]);
    csv += "\r\n";
  };
  line(header);
  for (const Game& game : games)
    for (const ChainedSave& save : game.saves) {
      const SaveRow& row = rows[save.row];
      std::vector<std::string> fields = {std::to_string(game.number),
                                         row.lineage->settings.front(),
                                         FileName(row),
                                         std::to_string(row.lineage->gameTurn),
                                         !save.continuesPrevious   ? ""
                                         : *save.continuesPrevious ? "true"
                                                                   : "false",
                                         save.continues ? FileName(rows[*save.continues]) : "",
                                         save.evidence};
      if (judged)
        fields.insert(fields.end(), {row.cells[form::kRulesOkColumn] == "yes" ? "true" : "false",
                                     row.cells[form::kRulesBrokenColumn]});
      fields.push_back(row.cells[form::kErrorColumn]);
      line(fields);
    }
  for (size_t i : NotLoaded(rows)) {
    std::vector<std::string> fields(header.size());
    fields[2] = FileName(rows[i]);
    fields.back() = rows[i].cells[form::kErrorColumn];
    line(fields);
  }
  return csv;
}

}  // namespace

Json GamesJson(const std::vector<Game>& games, const std::vector<SaveRow>& rows, bool judged) {
  Json array = Json::array();
  for (const Game& game : games) {
    Json object;
    object["game"] = game.number;
    object["game_name"] = rows[game.saves.front().row].lineage->settings.front();
    object["continuous"] = game.Continuous();
    Json saves = Json::array();
    for (const ChainedSave& save : game.saves) {
      const SaveRow& row = rows[save.row];
      Json entry;
      entry["file_name"] = FileName(row);
      entry["turn"] = row.lineage->gameTurn;
      entry["player"] = row.cells[form::kPlayerColumn];
      entry["continues_previous"] = VerdictJson(save.continuesPrevious);
      entry["continues"] = save.continues ? Json(FileName(rows[*save.continues])) : Json(nullptr);
      entry["evidence"] = save.evidence;
      if (judged) AddRules(entry, row);
      saves.push_back(std::move(entry));
    }
    object["saves"] = std::move(saves);
    array.push_back(std::move(object));
  }
  const std::vector<size_t> failed = NotLoaded(rows);
  if (!failed.empty()) {
    Json apart;
    apart["game"] = nullptr;
    apart["game_name"] = nullptr;
    apart["continuous"] = nullptr;
    Json saves = Json::array();
    for (size_t i : failed) {
      Json entry;
      entry["file_name"] = FileName(rows[i]);
      entry["turn"] = nullptr;
      entry["continues_previous"] = nullptr;
      entry["continues"] = nullptr;
      entry["evidence"] = nullptr;
      if (judged) AddRules(entry, rows[i]);
      entry["error"] = rows[i].cells[form::kErrorColumn];
      saves.push_back(std::move(entry));
    }
    apart["saves"] = std::move(saves);
    array.push_back(std::move(apart));
  }
  return array;
}

int PrintGames(const TableOptions& options, std::ostream& out, std::ostream& err) {
  std::optional<form::EventRules> rules;
  if (!ReadRulesOption(options, rules, err)) return 2;
  std::vector<SaveRow> rows = ReadRows(options, err);
  const std::vector<Game> games = form::GroupGames(rows);
  form::FillGameColumns(rows, games);
  if (rules) form::FillRulesColumns(rows, *rules);
  const bool judged = rules.has_value();
  switch (options.format) {
    case TableFormat::Text:
      out << GamesText(games, rows, judged);
      break;
    case TableFormat::Csv:
      out << GamesCsv(games, rows, judged);
      break;
    case TableFormat::Json:
      out << GamesJson(games, rows, judged).dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
      break;
  }
  out.flush();
  return NotLoaded(rows).empty() ? 0 : 1;
}

}  // namespace tolvane::report
