#include "form/exports/ComparisonReport.h"

#include <nlohmann/json.hpp>

#include "form/Form.h"
#include "form/exports/FormText.h"

namespace tolvane::form {

namespace {

using Json = nlohmann::ordered_json;

template <typename T, typename F>
Json OrNull(const std::optional<T>& value, F json) {
  return value ? json(*value) : Json(nullptr);
}

Json ChangeJson(const Change& change) {
  return {{"earlier", change.earlier}, {"later", change.later}, {"change", change.Difference()}};
}

Json Names(const std::vector<std::string>& names) { return names; }

Json LineJson(const AddedLine& line) {
  Json json = Json::object();
  if (line.slot >= 0) {
    json["slot"] = line.slot + 1;
    json["leader"] = line.leader;
  }
  json["turn"] = line.turn;
  json["text"] = line.message;
  json["line"] = line.line;
  json["color"] = RgbText(line.color);
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

Json ComparisonObject(const SaveComparison& c) {
  Json settings = Json::array();
  for (const ComparedSetting& s : c.settings)
    settings.push_back({{"setting", s.name}, {"earlier", s.earlier}, {"later", s.later}, {"same", s.Same()}});
  Json players = Json::array();
  for (const PlayerChange& p : c.players)
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
    for (const AddedLine& line : *c.replayAdded) replay.push_back(LineJson(line));
  }
  Json log = Json::array();
  for (const AddedLine& line : c.logAdded) log.push_back(LineJson(line));
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
          {"verdict", VerdictText(c)},
          {"settings", std::move(settings)},
          {"turns_played", c.turn.Difference()},
          {"playing_time_added_seconds", c.playingTime.Difference()},
          {"sessions_added", c.sessions ? Json(c.sessions->Difference()) : Json(nullptr)},
          {"players", std::move(players)},
          {"lines_differ", LinesDiffer(c)},
          {"replay_lines_added", std::move(replay)},
          {"log_lines_added", std::move(log)}};
}

}  // namespace

std::string ComparisonJson(const SaveComparison& comparison) {
  return ComparisonObject(comparison).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string ComparisonText(const SaveComparison& comparison) {
  Form form;
  form.compare.Show(comparison);
  return PageText(form, form.compare);
}

}  // namespace tolvane::form
