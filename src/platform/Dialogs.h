#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// The `buttons` values of the program's message box and its answers.
inline constexpr int16_t kBoxOk = 0;           // one "OK", centred
inline constexpr int16_t kBoxYesNo = 4;        // "Yes" and "No"
inline constexpr int16_t kBoxExclamation = 48; // one "OK" at its place in the design
inline constexpr int16_t kBoxInformation = 64; // as 48
inline constexpr int16_t kAnswerOk = 0;
inline constexpr int16_t kAnswerYes = 6;
inline constexpr int16_t kAnswerNo = 7;

// Which button closed the platform's standard box with OK and Help.
enum class StandardAnswer : int8_t { Ok, Help };

// A file to open or to save.
struct FileRequest {
  QString title;
  // Pairs of description and patterns separated by "|", patterns by ";":
  // "Kelvane_2026 Files|*.PVX".
  QString filter;
  QString defaultExtension;  // added to a typed name that has none ("PVX")
  QString initialFolder;     // "": the user's documents folder
  QString fileName;          // proposed name, without folder
};

struct PrintRequest {
  int16_t minPage = 1;
  int16_t maxPage = 1;
  int16_t fromPage = 1;
  int16_t toPage = 1;
  bool noSelection = true;     // no choice of printing a selection
  // Printing to a (PDF) file disabled. The program's printouts leave it
  // offered, so that a printout reaches paper or a file on any machine, with
  // no printer installed too.
  bool noPrintToFile = false;
};

// The printer the user chose; the printers and the print renderer use it.
struct PrinterChoice {
  QString printerName;  // "": the system's default printer
  QString outputFile;   // non-empty: print into this file instead of a printer
  bool allPages = true;
  int16_t fromPage = 0;  // the range chosen when allPages is false
  int16_t toPage = 0;
  int16_t copies = 1;
};

struct FontChoice {
  QString face;
  float size = 0;
  bool bold = false;
  bool italic = false;
};

struct FontRequest {
  FontChoice font;     // what the dialog starts from
  float minSize = 0;   // 0: no limit; a chosen size is brought into the limits
  float maxSize = 0;
  bool faceOnly = false;  // the faces alone at the one size minSize (FaceOnlyFontRequest)
};

// The sizes a font dialog of the platform gives, in points.
inline constexpr double kSmallestDialogFontSize = 1;
inline constexpr double kLargestDialogFontSize = 512;
bool IsDialogFontSize(double points);

// The choice as the request allows it: its size brought into the request's
// limits, and an empty face (a face box left empty) replaced by the face the
// dialog started from.
FontChoice WithinRequest(FontChoice choice, const FontRequest& request);

// A request for a font face at one fixed size (the worksheet's 10 points, the
// affidavit's 9): the program's font dialog then offers the installed faces
// alone, with no size, style or effect to choose, and the choice comes back
// at that size, regular.
FontRequest FaceOnlyFontRequest(const QString& face, float points);

// The dialogs the program shows: the program's own message box and the
// platform's standard ones. The windows and the print and file commands use
// them only through this interface, so that a test can answer them from a
// script (ScriptedDialogs) and the program with real windows (ui::QtDialogs).
// Colours are 32-bit values as the program stores them: blue * 65536 +
// green * 256 + red.
class Dialogs {
 public:
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;
  virtual ~Dialogs() = default;

  // The program's message box. Returns kAnswerYes or kAnswerNo for
  // kBoxYesNo (kAnswerNo also when the box is closed without a button), and
  // kAnswerOk for every other box.
  virtual int16_t ShowMessageBox(const QString& prompt, int16_t buttons, const QString& title) = 0;

  // The platform's standard box without an icon, with "OK" and "Help".
  // `showHelp` runs when the user asks for help.
  virtual StandardAnswer ShowStandardMessageWithHelp(const QString& prompt, const QString& title,
                                                     const std::function<void()>& showHelp) = 0;

  // The platform's standard information box: the information icon and one
  // "OK". Nothing to answer.
  virtual void ShowStandardInformation(const QString& prompt, const QString& title) = 0;

  // The chosen file's full path, or no value when the user cancels.
  virtual std::optional<QString> ShowOpenDialog(const FileRequest& request) = 0;
  virtual std::optional<QString> ShowSaveDialog(const FileRequest& request) = 0;

  // The print dialog and the printer set-up: no value when the user cancels.
  // The printer chosen in either becomes the current printer.
  virtual std::optional<PrinterChoice> ShowPrintDialog(const PrintRequest& request) = 0;
  virtual std::optional<PrinterChoice> ShowPrinterSetup() = 0;
  // The printer that output goes to: "" for the system's default printer.
  virtual QString CurrentPrinterName() const = 0;

  virtual std::optional<FontChoice> ShowFontDialog(const FontRequest& request) = 0;
  virtual std::optional<uint32_t> ShowColorDialog(uint32_t initialColor) = 0;

  // A folder chosen by the user, without a trailing separator; "" on cancel.
  virtual QString BrowseForFolder(const QString& title) = 0;
};

}  // namespace platform
