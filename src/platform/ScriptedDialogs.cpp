#include "platform/ScriptedDialogs.h"

#include <utility>

namespace platform {

QString DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::MessageBox: return QStringLiteral("message box");
    case DialogKind::StandardMessage: return QStringLiteral("standard message");
    case DialogKind::OpenFile: return QStringLiteral("open dialog");
    case DialogKind::SaveFile: return QStringLiteral("save dialog");
    case DialogKind::Print: return QStringLiteral("print dialog");
    case DialogKind::PrinterSetup: return QStringLiteral("printer set-up");
    case DialogKind::Font: return QStringLiteral("font dialog");
    case DialogKind::Color: return QStringLiteral("colour dialog");
    case DialogKind::Folder: return QStringLiteral("folder picker");
    case DialogKind::Information: return QStringLiteral("information box");
  }
  return QStringLiteral("dialog");
}

void ScriptedDialogs::AnswerMessageBox(int16_t answer) {
  answers_.push_back({DialogKind::MessageBox, answer});
}

void ScriptedDialogs::AnswerStandardMessage(StandardAnswer answer) {
  answers_.push_back({DialogKind::StandardMessage, answer});
}

void ScriptedDialogs::AnswerOpenDialog(std::optional<QString> path) {
  answers_.push_back({DialogKind::OpenFile, std::move(path)});
}

void ScriptedDialogs::AnswerSaveDialog(std::optional<QString> path) {
  answers_.push_back({DialogKind::SaveFile, std::move(path)});
}

void ScriptedDialogs::AnswerPrintDialog(std::optional<PrinterChoice> choice) {
  answers_.push_back({DialogKind::Print, std::move(choice)});
}

void ScriptedDialogs::AnswerPrinterSetup(std::optional<PrinterChoice> choice) {
  answers_.push_back({DialogKind::PrinterSetup, std::move(choice)});
}

void ScriptedDialogs::AnswerFontDialog(std::optional<FontChoice> choice) {
  answers_.push_back({DialogKind::Font, std::move(choice)});
}

void ScriptedDialogs::AnswerColorDialog(std::optional<uint32_t> color) {
  answers_.push_back({DialogKind::Color, color});
}

void ScriptedDialogs::AnswerBrowseForFolder(const QString& path) {
  answers_.push_back({DialogKind::Folder, std::optional<QString>(path)});
}

namespace {

DialogCall message(DialogKind kind, const QString& prompt, const QString& title) {
  DialogCall call;
  call.kind = kind;
  call.prompt = prompt;
  call.title = title;
  return call;
}

}  // namespace

std::vector<DialogCall> ScriptedDialogs::CallsOf(DialogKind kind) const {
  std::vector<DialogCall> result;
  for (const DialogCall& c : calls_)
    if (c.kind == kind) result.push_back(c);
  return result;
}

void ScriptedDialogs::fail(const QString& what) {
  failures_ << QStringLiteral("call %1: %2").arg(calls_.size()).arg(what);
}

const ScriptedDialogs::Answer* ScriptedDialogs::take(DialogCall call) {
  const DialogKind kind = call.kind;
  const QString label = call.prompt.isEmpty() ? call.title : call.prompt;
  call.answered = !answers_.empty() && answers_.front().kind == kind;
  calls_.push_back(std::move(call));
  if (answers_.empty()) {
    fail(QStringLiteral("%1 \"%2\" came with no answer left").arg(DialogKindName(kind), label));
    return nullptr;
  }
  if (answers_.front().kind != kind) {
    fail(QStringLiteral("%1 \"%2\" came while the next answer was for a %3")
             .arg(DialogKindName(kind), label, DialogKindName(answers_.front().kind)));
    return nullptr;
  }
  taken_ = std::move(answers_.front());
  answers_.pop_front();
  return &taken_;
}

int16_t ScriptedDialogs::ShowMessageBox(const QString& prompt, int16_t buttons,
                                        const QString& title) {
  const bool yesNo = buttons == kBoxYesNo;
  DialogCall call = message(DialogKind::MessageBox, prompt, title);
  call.buttons = buttons;
  const auto a = take(std::move(call));
  const int16_t backOut = yesNo ? kAnswerNo : kAnswerOk;
  if (!a) return backOut;
  const int16_t number = std::get<int16_t>(a->value);
  const bool possible = yesNo ? (number == kAnswerYes || number == kAnswerNo)
                              : number == kAnswerOk;
  if (!possible) {
    fail(QStringLiteral("answer %1 is not a button of the box \"%2\" (buttons %3)")
             .arg(number)
             .arg(prompt)
             .arg(buttons));
    return backOut;
  }
  return number;
}

StandardAnswer ScriptedDialogs::ShowStandardMessageWithHelp(
    const QString& prompt, const QString& title, const std::function<void()>& showHelp) {
  const auto a = take(message(DialogKind::StandardMessage, prompt, title));
  if (!a) return StandardAnswer::Ok;
  const auto answer = std::get<StandardAnswer>(a->value);
  if (answer == StandardAnswer::Help && showHelp) showHelp();
  return answer;
}

void ScriptedDialogs::ShowStandardInformation(const QString& prompt, const QString& title) {
  calls_.push_back(message(DialogKind::Information, prompt, title));
}

std::optional<QString> ScriptedDialogs::chooseFile(DialogKind kind, const FileRequest& request) {
  DialogCall call = message(kind, {}, request.title);
  call.file = request;
  const auto a = take(std::move(call));
  return a ? std::get<std::optional<QString>>(a->value) : std::nullopt;
}

std::optional<QString> ScriptedDialogs::ShowOpenDialog(const FileRequest& request) {
  return chooseFile(DialogKind::OpenFile, request);
}

std::optional<QString> ScriptedDialogs::ShowSaveDialog(const FileRequest& request) {
  return chooseFile(DialogKind::SaveFile, request);
}

std::optional<PrinterChoice> ScriptedDialogs::choosePrinter(const Answer* answer) {
  if (!answer) return std::nullopt;
  auto choice = std::get<std::optional<PrinterChoice>>(answer->value);
  if (choice) printerName_ = choice->printerName;
  return choice;
}

std::optional<PrinterChoice> ScriptedDialogs::ShowPrintDialog(const PrintRequest& request) {
  DialogCall call = message(DialogKind::Print, {}, {});
  call.print = request;
  const Answer* answer = take(std::move(call));
  if (!answer) return std::nullopt;
  // The dialog opens on the current printer: an answer that names neither a
  // printer nor a file is OK on that printer.
  auto choice = std::get<std::optional<PrinterChoice>>(answer->value);
  if (choice && !choice->outputFile.isEmpty() && request.noPrintToFile) {
    // A person cannot choose a file the dialog does not offer: Cancel.
    fail(QStringLiteral("print dialog answered with the file \"%1\", but it offers no printing to a file")
             .arg(choice->outputFile));
    return std::nullopt;
  }
  if (choice && choice->printerName.isEmpty() && choice->outputFile.isEmpty()) choice->printerName = printerName_;
  Answer onCurrent{DialogKind::Print, choice};
  return choosePrinter(&onCurrent);
}

std::optional<PrinterChoice> ScriptedDialogs::ShowPrinterSetup() {
  return choosePrinter(take(message(DialogKind::PrinterSetup, {}, {})));
}

std::optional<FontChoice> ScriptedDialogs::ShowFontDialog(const FontRequest& request) {
  DialogCall call = message(DialogKind::Font, {}, {});
  call.font = request;
  const auto a = take(std::move(call));
  if (!a) return std::nullopt;
  const auto& choice = std::get<std::optional<FontChoice>>(a->value);
  if (!choice) return std::nullopt;
  return WithinRequest(*choice, request);
}

std::optional<uint32_t> ScriptedDialogs::ShowColorDialog(uint32_t initialColor) {
  DialogCall call = message(DialogKind::Color, {}, {});
  call.color = initialColor;
  const auto a = take(std::move(call));
  return a ? std::get<std::optional<uint32_t>>(a->value) : std::nullopt;
}

QString ScriptedDialogs::BrowseForFolder(const QString& title) {
  const auto a = take(message(DialogKind::Folder, {}, title));
  return a ? std::get<std::optional<QString>>(a->value).value_or(QString()) : QString();
}

}  // namespace platform
