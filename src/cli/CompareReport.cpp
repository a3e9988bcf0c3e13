#include "cli/CompareReport.h"

#include <ostream>

#include "cli/Report.h"
#include "form/Form.h"

namespace tolvane::report {

namespace {

using Json = nlohmann::ordered_json;

template <typename T, typename F>
Json OrNull(const std::optional<T>& value, F json) {
  return value ? json(*value) : Json(nullptr);
}

Json ChangeJson(const form::Change& change) {
  return {{"earlier", change.earlier}, {"later", change.later}, {"change", change.Difference()}};
}

Json Names(const std::vector<std::string>& names) { return names; }

Json LineJson(const form::AddedLine& line) {
  Json json = Json::object();
  if (line.slot >= 0) {
    json["slot"] = line.slot + 1;
    json["leader"] = line.leader;
  }
  json["turn"] = line.turn;
  json["text"] = line.message;
  json["line"] = line.line;
  json["color"] = form::RgbText(line.color);
  return json;
}

Json SaveJson(const std::string& path, int32_t turn, const std::string& date, int32_t playingTime,
              std::optional<int32_t> sessions) {
  return {{"path", path},
          {"turn", turn},
          {"date", date},
          {"playing_time_seconds", playingTime},
          {"sessions", sessions ? Json(*sessions) : Json(nullptr)}};
}

}  // namespace

nlohmann::ordered_json ComparisonJson(const form::SaveComparison& c) {
  Json settings = Json::array();
  for (const form::ComparedSetting& s : c.settings)
    settings.push_back({{"setting", s.name}, {"earlier", s.earlier}, {"later", s.later}, {"same", s.Same()}});
  Json players = Json::array();
  for (const form::PlayerChange& p : c.players)
    players.push_back({{"slot", p.slot + 1},
                       {"leader", p.leader},
                       {"score", OrNull(p.score, ChangeJson)},
                       {"land", OrNull(p.land, ChangeJson)},
                       {"population", OrNull(p.population, ChangeJson)},
                       {"gold", OrNull(p.gold, ChangeJson)},
                       {"technologies_learned", OrNull(p.technologiesLearned, Names)},
                       {"cities_founded", OrNull(p.citiesFounded, Names)},
                       {"cities_lost", OrNull(p.citiesLost, Names)},
                       {"log_lines_added", OrNull(p.logLinesAdded, [](int n) { return Json(n); })}});
  Json replay = nullptr;
  if (c.replayAdded) {
    replay = Json::array();
    for (const form::AddedLine& line : *c.replayAdded) replay.push_back(LineJson(line));
  }
  Json log = Json::array();
  for (const form::AddedLine& line : c.logAdded) log.push_back(LineJson(line));
  const auto sessions = [&c](bool later) -> std::optional<int32_t> {
    if (!c.sessions) return std::nullopt;
    return later ? c.sessions->later : c.sessions->earlier;
  };
  return {{"earlier", SaveJson(c.earlierPath, c.turn.earlier, c.earlierDate, c.playingTime.earlier, sessions(false))},
          {"later", SaveJson(c.laterPath, c.turn.later, c.laterDate, c.playingTime.later, sessions(true))},
          {"given_later_first", c.givenLaterFirst},
          {"same_game", c.sameGame},
          {"continues", c.continues ? Json(*c.continues) : Json(nullptr)},
          {"evidence", c.evidence},
          {"settings", std::move(settings)},
          {"turns_played", c.turn.Difference()},
          {"playing_time_added_seconds", c.playingTime.Difference()},
          {"sessions_added", c.sessions ? Json(c.sessions->Difference()) : Json(nullptr)},
          {"players", std::move(players)},
          {"replay_lines_added", std::move(replay)},
          {"log_lines_added", std::move(log)}};
}

int PrintComparison(const std::string& first, const std::string& second, bool json, std::ostream& out,
                    std::ostream& err) {
  const form::ComparedForms forms = form::LoadForComparison(first, second, form::Form().Calculators());
  if (!forms.error.empty()) {
    err << "tolvane-report: " << forms.error << "\n";
    return 1;
  }
  const form::SaveComparison comparison = form::CompareSaves(*forms.first, *forms.second);
  if (json) {
    out << ComparisonJson(comparison).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  } else {
    form::Form form;
    form.compare.Show(comparison);
    out << PageText(form, form.compare);
  }
  out.flush();
  if (!out) {
    err << "tolvane-report: Cannot write the report.\n";
    return 1;
  }
  return 0;
}

}  // namespace tolvane::report
