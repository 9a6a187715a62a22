#pragma once

#include <array>
#include <vector>

#include "platform/ui/Form.h"
#include "worksheet/SheetLayout.h"
#include "worksheet/WorksheetBoxes.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace shell {
class Program;
}

namespace worksheet::ui {

// The Child Support Guidelines Worksheet on screen: one tall sheet of boxes
// (court caption, notice and certificate of service, the gross income line,
// lines 1 to 21, the deviation choice and the non-lawyer block) shown inside
// the frame MDIForm1, which scrolls it. Its boxes are named as the sheet's
// boxes (worksheet::Box); the worksheet commands work on a WorksheetSheet
// copied from the window (Sheet) and written back (SetSheet). Its menus are
// shown in the frame's menu bar. Closing it never unloads it: it asks whether
// to quit the program.
class Form9 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form9(shell::Program& program, QWidget* parent = nullptr);

  static constexpr double kDesignWidth = 11910;
  static constexpr double kDesignHeight = 37335;
  static constexpr int kLines = 38;

  QLineEdit* BoxControl(Box box) const { return boxes_[static_cast<int>(box)]; }
  WorksheetSheet Sheet() const;
  void SetSheet(const WorksheetSheet& sheet);

  QRadioButton* WSDev = nullptr;
  QRadioButton* WSNoDev = nullptr;
  QRadioButton* WSOpPet = nullptr;
  QRadioButton* WSOpRes = nullptr;
  QCheckBox* WSEmailed = nullptr;
  QCheckBox* WSMailed = nullptr;
  QCheckBox* WSHand = nullptr;
  QCheckBox* WSFaxed = nullptr;

  // The menus in menu-bar order, and their items.
  std::vector<QMenu*> Menus;
  QMenu* OtherForms = nullptr;
  QAction *SaveWorksheet, *OpenWorksheet, *Quit, *PreviewPrintWS, *Preview, *PreviewCustodial, *PreviewSplit,
      *PreviewSharedSquared, *PreviewSharedSum, *FinAff, *Order, *ChangeFont, *ZoomIn, *ZoomOut, *WSInstructions,
      *ChangeMargin;

  // The rule lines L(0) to L(37), in twips, as they stand now.
  std::array<LineEnds, kLines> L{};

  // The start-up fit: the window fitted to the screen at the frame's client
  // origin, the worksheet font "Tahoma" 10, the rule lines and the count
  // boxes fitted; the result is the layout Full Size returns to.
  void FitWorksheetWindow();

  // The worksheet face on every control (Change Worksheet Font, and a case
  // file's font when it is opened): each control at the sheet's size for it
  // (its fitted size at the sheet's scale), less for a caption that the face
  // would make too wide for its place, so that every caption shows whole.
  void ApplyWorksheetFace(const QString& face);

  // The field-length guard of the six caption boxes (on each key-down).
  void LimitLength(QLineEdit* box, int keyCode);
  LengthGuard Guard;

  // Menu commands.
  void ZoomIn_Click();      // "Reduce Sheet Size"
  void ZoomOut_Click();     // "Full Size"
  void ChangeFont_Click();  // "Change Worksheet Font"
  void PreviewPrintWS_Click();
  void WSInstructions_Click();
  void Quit_Click();
  void ChangeMargin_Click();
  void SaveWorksheet_Click();
  void OpenWorksheet_Click();
  // The close request: cancelled; asks whether to quit unless quitting already.
  void Form_Unload();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildCaption();
  double BuildLines(double top);
  void BuildClosing(double top);
  void BuildMenus();
  void ScaleWorksheet();
  // Every control at the sheet's size for it, then the captions fitted.
  void SizeSheetFonts();
  void RememberFittedLayout();

  shell::Program& program_;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  std::vector<QLineEdit*> guarded_;
  std::vector<QLineEdit*> caretBoxes_;
  // The layout the sheet-size commands scale: the controls (in Controls()
  // order), the rule lines and the window's own size after the start-up fit.
  std::vector<ControlGeometry> fitted_;
  std::array<LineEnds, kLines> fittedLines_{};
  double fittedWidth_ = kDesignWidth;
  double fittedHeight_ = kDesignHeight;
};

}  // namespace worksheet::ui
