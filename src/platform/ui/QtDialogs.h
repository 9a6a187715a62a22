#pragma once

#include <utility>

#include "platform/Dialogs.h"
#include "platform/ui/Box.h"

namespace platform::ui {

// The dialogs shown to a person: the program's own message box (Box) and
// Qt's standard dialogs, each owned by the window that is active when it is
// asked for. Remembers the printer chosen last, and starts the printer
// dialogs from it.
class QtDialogs final : public Dialogs {
 public:
  // The fitting every message box gets before it is sized and shown.
  void SetWindowFitter(WindowFitter fitter) { fitter_ = std::move(fitter); }

  int16_t ShowMessageBox(const QString& prompt, int16_t buttons, const QString& title) override;
  StandardAnswer ShowStandardMessageWithHelp(const QString& prompt, const QString& title,
                                             const std::function<void()>& showHelp) override;
  std::optional<QString> ShowOpenDialog(const FileRequest& request) override;
  std::optional<QString> ShowSaveDialog(const FileRequest& request) override;
  std::optional<PrinterChoice> ShowPrintDialog(const PrintRequest& request) override;
  std::optional<PrinterChoice> ShowPrinterSetup() override;
  QString CurrentPrinterName() const override { return printerName_; }
  std::optional<FontChoice> ShowFontDialog(const FontRequest& request) override;
  std::optional<uint32_t> ShowColorDialog(uint32_t initialColor) override;
  QString BrowseForFolder(const QString& title) override;
  void ShowStandardInformation(const QString& prompt, const QString& title) override;

 private:
  std::optional<QString> showFileDialog(const FileRequest& request, bool save);

  WindowFitter fitter_;
  QString printerName_;
};

}  // namespace platform::ui
