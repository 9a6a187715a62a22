#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <deque>
#include <variant>
#include <vector>

#include "platform/Dialogs.h"

namespace platform {

enum class DialogKind : int8_t {
  MessageBox,
  StandardMessage,
  OpenFile,
  SaveFile,
  Print,
  PrinterSetup,
  Font,
  Color,
  Folder,
  Information,
};

QString DialogKindName(DialogKind kind);

// One dialog that was asked for, with what it was given.
struct DialogCall {
  DialogKind kind = DialogKind::MessageBox;
  QString prompt;       // message boxes
  QString title;        // message boxes, file dialogs and the folder picker
  int16_t buttons = 0;  // the program's message box
  FileRequest file;     // file dialogs
  PrintRequest print;   // print dialog
  FontRequest font;     // font dialog
  uint32_t color = 0;   // colour dialog: the colour it starts from
  bool answered = true; // false: no scripted answer of this kind was next
};

// Dialogs answered from a script instead of a person. A test queues the
// answers in the order the calls will come; every call is recorded. A call
// whose kind does not match the next answer (or that finds none) is recorded
// as a failure and gets the answer of a user who backs out: No for a Yes/No
// box, OK for other boxes, Cancel for the other dialogs. It never waits.
class ScriptedDialogs final : public Dialogs {
 public:
  void AnswerMessageBox(int16_t answer);
  void AnswerStandardMessage(StandardAnswer answer);
  void AnswerOpenDialog(std::optional<QString> path);  // no value: Cancel
  void AnswerSaveDialog(std::optional<QString> path);
  // A choice naming no printer and no file is OK on the current printer, the
  // one the print dialog opens with. A choice of a file, where the request
  // offers no printing to a file, is a failure and answered with Cancel.
  void AnswerPrintDialog(std::optional<PrinterChoice> choice);
  void AnswerPrinterSetup(std::optional<PrinterChoice> choice);
  void AnswerFontDialog(std::optional<FontChoice> choice);
  void AnswerColorDialog(std::optional<uint32_t> color);
  void AnswerBrowseForFolder(const QString& path);  // "": Cancel

  const std::vector<DialogCall>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<DialogCall> CallsOf(DialogKind kind) const;
  // One line for each call that found no fitting answer.
  const QStringList& Failures() const { return failures_; }
  bool Failed() const { return !failures_.isEmpty(); }
  // Answers queued but not yet used.
  std::size_t PendingAnswers() const { return answers_.size(); }

  int16_t ShowMessageBox(const QString& prompt, int16_t buttons, const QString& title) override;
  StandardAnswer ShowStandardMessageWithHelp(const QString& prompt, const QString& title,
                                             const std::function<void()>& showHelp) override;
  // Recorded; it needs no answer.
  void ShowStandardInformation(const QString& prompt, const QString& title) override;
  std::optional<QString> ShowOpenDialog(const FileRequest& request) override;
  std::optional<QString> ShowSaveDialog(const FileRequest& request) override;
  std::optional<PrinterChoice> ShowPrintDialog(const PrintRequest& request) override;
  std::optional<PrinterChoice> ShowPrinterSetup() override;
  QString CurrentPrinterName() const override { return printerName_; }
  std::optional<FontChoice> ShowFontDialog(const FontRequest& request) override;
  std::optional<uint32_t> ShowColorDialog(uint32_t initialColor) override;
  QString BrowseForFolder(const QString& title) override;

 private:
  struct Answer {
    DialogKind kind;
    std::variant<int16_t, StandardAnswer, std::optional<QString>, std::optional<PrinterChoice>,
                 std::optional<FontChoice>, std::optional<uint32_t>>
        value;
  };

  // Records the call and takes the next answer when it is of the call's kind
  // (valid until the next call); nullptr when there is none of that kind.
  const Answer* take(DialogCall call);
  void fail(const QString& what);
  std::optional<QString> chooseFile(DialogKind kind, const FileRequest& request);
  std::optional<PrinterChoice> choosePrinter(const Answer* answer);

  std::deque<Answer> answers_;
  Answer taken_{DialogKind::MessageBox, int16_t{0}};
  std::vector<DialogCall> calls_;
  QStringList failures_;
  QString printerName_;
};

}  // namespace platform
