#include "form/Games.h"

#include <fmt/format.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace tolvane::form {

bool Game::Continuous() const { return FirstBrokenLink() == nullptr; }

const ChainedSave* Game::FirstBrokenLink() const {
  for (const ChainedSave& save : saves)
    if (save.continuesPrevious == false) return &save;
  return nullptr;
}

std::vector<Game> GroupGames(const std::vector<SaveRow>& rows) {
  // The rows of each game, the games keyed by their settings.
  std::map<std::array<std::string, kSameGameSettings.size()>, std::vector<size_t>> byKey;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].loaded && rows[i].lineage) byKey[rows[i].lineage->settings].push_back(i);

  const auto lineage = [&](size_t row) -> const SaveLineage& { return *rows[row].lineage; };
  const auto name = [&](size_t row) -> const std::string& { return rows[row].cells[kFileNameColumn]; };
  std::vector<Game> games;
  games.reserve(byKey.size());
  for (auto& [key, members] : byKey) {
    std::sort(members.begin(), members.end(), [&](size_t a, size_t b) {
      return std::forward_as_tuple(lineage(a).gameTurn, lineage(a).playTime, name(a), a) <
             std::forward_as_tuple(lineage(b).gameTurn, lineage(b).playTime, name(b), b);
    });
    Game game;
    for (size_t i = 0; i < members.size(); ++i) {
      ChainedSave save{members[i], std::nullopt, "", std::nullopt};
      if (i > 0) {
        save.evidence = ContinuationEvidence(lineage(members[i - 1]), lineage(members[i]));
        save.continuesPrevious = save.evidence.empty();
        // The latest earlier save it continues: a save after a reload
        // continues the one the reload went back to.
        for (size_t j = i; j-- > 0;)
          if (j == i - 1 ? *save.continuesPrevious : Continues(lineage(members[j]), lineage(members[i]))) {
            save.continues = members[j];
            break;
          }
      }
      game.saves.push_back(std::move(save));
    }
    games.push_back(std::move(game));
  }
  // Numbered in the order of each game's first file name.
  const auto firstName = [&](const Game& game) {
    size_t first = game.saves.front().row;
    for (const ChainedSave& save : game.saves)
      if (std::tie(name(save.row), save.row) < std::tie(name(first), first)) first = save.row;
    return std::make_pair(name(first), first);
  };
  std::vector<std::pair<std::pair<std::string, size_t>, size_t>> order;
  for (size_t g = 0; g < games.size(); ++g) order.push_back({firstName(games[g]), g});
  std::sort(order.begin(), order.end());
  std::vector<Game> numbered;
  numbered.reserve(games.size());
  for (const auto& [first, g] : order) {
    numbered.push_back(std::move(games[g]));
    numbered.back().number = int(numbered.size());
  }
  return numbered;
}

void FillGameColumns(std::vector<SaveRow>& rows, const std::vector<Game>& games) {
  for (const Game& game : games)
    for (const ChainedSave& save : game.saves) {
      SaveRow& row = rows[save.row];
      row.cells[kGameColumn] = std::to_string(game.number);
      row.values[kGameColumn] = game.number;
      row.cells[kContinuesPreviousColumn] = !save.continuesPrevious ? "" : *save.continuesPrevious ? "yes" : "no";
      row.cells[kContinuesColumn] = save.continues ? rows[*save.continues].cells[kFileNameColumn] : "";
      row.cells[kEvidenceColumn] = save.evidence;
    }
}

std::string GameLine(const Game& game, const std::vector<SaveRow>& rows) {
  const SaveRow& first = rows[game.saves.front().row];
  const SaveRow& last = rows[game.saves.back().row];
  const std::string& player = first.cells[kPlayerColumn];
  std::string verdict = "continuous";
  if (const ChainedSave* broken = game.FirstBrokenLink())
    verdict = fmt::format("{} does not continue the save before it: {}", rows[broken->row].cells[kFileNameColumn],
                          broken->evidence);
  const size_t n = game.saves.size();
  return fmt::format("Game {}: {}, {}, {} save{}, turns {} to {}, {}", game.number,
                     first.lineage->settings.front().empty() ? "(no name)" : first.lineage->settings.front(),
                     player.empty() ? "(no player shown)" : player, n, n == 1 ? "" : "s", first.lineage->gameTurn,
                     last.lineage->gameTurn, verdict);
}

}  // namespace tolvane::form
