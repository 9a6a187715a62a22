#pragma once

#include "platform/ui/Form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace shell {

// "Preparer's Name and Office": who prepares the printed reports and court
// forms, what of it is printed, and the top margin of every printed page. The
// dialog has no buttons: closing it, whichever way, saves everything.
class Form18 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form18(QWidget* parent = nullptr);

  // Fills the dialog from the stored preferences (what its openers do after
  // showing it): absent texts read empty, an unknown margin selects "1 inch",
  // and a check box is ticked unless its key reads exactly "No".
  void FillFromSettings();

  // Saves the six preferences (run when the dialog closes).
  void Form_Unload();

  QGroupBox* Frame1;
  QGroupBox* Frame2;
  QLabel* Label1;
  QLineEdit* PreparerName;
  QLabel* Label2;
  QLineEdit* PreparerOffice;
  QLabel* Label4;
  QCheckBox* PrintNameCheck;
  QCheckBox* PrintOfficeCheck;
  QCheckBox* PrintDateCheck;
  QLabel* Label5;
  QRadioButton* OptionOneHalf;
  QRadioButton* OptionOne;
  QRadioButton* OptionOneOneHalf;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A typed double quote reaches the fields as an apostrophe.
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace shell
