#pragma once

#include <array>

#include "platform/ui/Form.h"
#include "tools/OvernightEstimate.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}
namespace shell {
class Program;
}

namespace tools::ui {

// "Overnight Count Organizer/Estimator": a parent's yearly overnights from a
// school-year and holiday schedule. It reads and writes no case value;
// closing it unloads it.
class FormOnight : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit FormOnight(shell::Program& program, QWidget* parent = nullptr);

  void OvernightCalc_Click();
  void Clear_Click();
  // "Print Screen Image": the window's picture in its white scheme without
  // its buttons, through the Print Screen Images window (caller 17); the
  // window's state is left as it is.
  void PrintImage_Click();
  // The grey scheme of the frames, labels and options, with the buttons
  // shown; called by name when the Print Screen Images window gives the
  // window back.
  Q_INVOKABLE void MakeFormOnightGrey();
  // The white scheme a screen image is taken in, with the buttons hidden.
  void MakeFormOnightWhite();

  // The entry boxes, indexed by OvernightBox.
  std::array<QLineEdit*, kOvernightBoxCount> Boxes{};
  QLineEdit* Box(OvernightBox box) const { return Boxes[static_cast<std::size_t>(box)]; }
  QLineEdit* TotalNights = nullptr;
  QRadioButton *XMassCon, *XMassHalf, *XMassOther;
  QRadioButton *BreakCon, *BreakHalf, *BreakOther;
  QRadioButton *SummerCon, *SummerConPlus, *SummerHalf, *SummerOther;
  platform::ui::ButtonPlus *Clear, *OvernightCalc;

 private:
  OvernightEntries Entries() const;
  void Show(const OvernightEntries& entries);
  void Choose(const std::function<void(OvernightEntries&)>& rule);
  void SetSchemeColour(platform::OleColor colour);

  shell::Program& program_;
  std::vector<QWidget*> schemeControls_;
};

// The Tools menus' "Overnight Count Estimator": loads and fits the estimator
// when it is not loaded, then shows it modeless and brings it forward; the
// opening window stays shown.
FormOnight* OpenOvernightEstimator(shell::Program& program);

}  // namespace tools::ui
