// "Load File" and the Reloads page's statistics.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "analysis/SaveAnalyse.h"
#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "save/SaveError.h"
#include "ui/Form.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

bool Form::Button1Click(const std::string& path) {
  // The new save is read and analysed aside; a failure leaves the pages on
  // the previous save.
  Analysis analysis;
  SaveImage image;
  try {
    image = SpliceSave(ReadWholeFile(path));
    analysis = SaveAnalyse(image, scoreFactors_);
  } catch (const SaveError& e) {
    AddMessage(e.what());
    return false;
  }
  Edit1.SetText(path);
  Edit2.SetText(FileDateText(path));
  ShowAnalysis(std::move(analysis), std::move(image));
  return true;
}

void Form::ShowAnalysis(Analysis analysis, SaveImage image) {
  model_ = std::move(analysis);
  image_ = std::move(image);
  loaded_ = true;
  FillSessionList();
  Edit11.SetText(fmt::format("{}", model_.PreSessions));  // runs Edit11Change
  Guarded([this] { CheckValues(); });
  PrintData();
}

// One line per session message: its number and the year it began.
void Form::FillSessionList() {
  constexpr int32_t kNoSession = 9999;
  SessionListBox.Clear();
  int k = 0;
  for (int32_t turn : model_.SessionTurns)
    if (turn < kNoSession) SessionListBox.Add(fmt::sprintf("%3d%6d", ++k, Turn2Date(model_.GameSpeed, turn)));
}

void Form::Edit11Change() {
  Guarded([this] { CheckValues(); });
}

// Play sessions and the average time of one, from the sessions found and the
// user's count of sessions before play began.
void Form::CheckValues() {
  model_.PreSessions = ParseInt(Edit11.Text());
  playSessions_ = Wrap32(int64_t(model_.Sessions) - model_.PreSessions);
  Edit10.SetText(fmt::sprintf("%6d", playSessions_));
  avgSessionTime_ = playSessions_ > 0 ? model_.PlayTime / playSessions_ : 0;
  const int32_t minutes = avgSessionTime_ / 60;
  Edit12.SetText(fmt::sprintf("%4d:%02.2d:%02.2d", minutes / 60, minutes % 60, avgSessionTime_ % 60));
}

}  // namespace tolvane::ui
