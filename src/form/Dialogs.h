// What the form's actions ask of the user and tell the user outside the
// pages: a file to open, a folder, a rules file, a file to write, a message
// to read. The window answers with its dialogs and message boxes; tests
// answer with answers given beforehand; tolvane-report leaves the default,
// which answers every question with "cancelled".
#pragma once

#include <string>

namespace tolvane::form {

// What a "Save …" action asks: the dialog's title, its file types ("CSV
// files (*.csv)") and the file it proposes (UTF-8 path, may be empty).
struct SaveFileRequest {
  std::string title;
  std::string filters;
  std::string proposed;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The save to load, the folder to list, the file to write (UTF-8 paths);
  // "" when the user cancels.
  virtual std::string AskOpenFile() { return {}; }
  virtual std::string AskFolder(const std::string& /*start*/) { return {}; }
  virtual std::string AskSaveFile(const SaveFileRequest& /*request*/) { return {}; }
  // The rules file of an event to judge the saves by (JSON), starting from
  // the one in use (may be empty).
  virtual std::string AskRulesFile(const std::string& /*start*/) { return {}; }
  // A passing note on the work done ("No next save in the folder."); the
  // window shows it in the status bar for a while.
  virtual void Notify(const std::string& /*text*/) {}
};

}  // namespace tolvane::form
