#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "platform/Dialogs.h"

namespace express {

// What the Express area's plain code says to the user: the program's message
// box (through platform::Dialogs, so a test answers it with ScriptedDialogs)
// and the beep. The focus goes through ExpressFields.
class Prompter {
 public:
  // `beep` sounds the platform beep (platform::ui::Beep in the program);
  // empty: the beep is silent.
  explicit Prompter(platform::Dialogs& dialogs, std::function<void()> beep = {})
      : dialogs_(dialogs), beep_(std::move(beep)) {}

  // The message box as it is: returns platform::kAnswerYes / kAnswerNo /
  // kAnswerOk.
  std::int16_t Message(const QString& prompt, std::int16_t buttons, const QString& title) {
    return dialogs_.ShowMessageBox(prompt, buttons, title);
  }
  // An "Entry Error" with a single OK.
  void EntryError(const QString& prompt) { Message(prompt, platform::kBoxOk, EntryErrorTitle()); }
  // An "Entry Warning" with Yes and No; true when the user answers Yes (re-enter).
  bool EntryWarning(const QString& prompt) {
    return Message(prompt, platform::kBoxYesNo, EntryWarningTitle()) == platform::kAnswerYes;
  }
  void Beep() const {
    if (beep_) beep_();
  }

  platform::Dialogs& Dialogs() { return dialogs_; }

  static QString EntryErrorTitle() { return QStringLiteral("Entry Error"); }
  static QString EntryWarningTitle() { return QStringLiteral("Entry Warning"); }

 private:
  platform::Dialogs& dialogs_;
  std::function<void()> beep_;
};

}  // namespace express
