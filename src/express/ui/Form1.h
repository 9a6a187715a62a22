#pragma once

#include <initializer_list>

#include "platform/ui/Form.h"

class QAction;
class QComboBox;

namespace shell {
class Program;
}

namespace express {

// The Express screen, "Case Data Express Entry": the program's home window.
// So far it carries what start-up and the shell use of it: the preference
// menus with their check marks, the two state tax combo boxes, and the public
// methods that apply the stored calculation preferences.
class Form1 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form1(shell::Program& program, QWidget* parent = nullptr);

  // Alimony calculated before child support, and applied to it.
  void SetMaintFirst();
  // Child support calculated before alimony.
  void SetCSFirst();
  // The split-custody method and the schedule reading: each marks its own
  // menu item (when not yet marked) and stores its preference.
  void Winters_Click();
  void Dual_Click();
  void Closest_Click();
  void Linear_Click();

  // Menus "     Calculation Defaults" and "     Preparer Defaults".
  QAction* Winters;
  QAction* Dual;
  QAction* Linear;
  QAction* Closest;
  QAction* AutoCalc;
  QAction* DontAutoCalc;
  QAction* YearlyData;
  QAction* MonthlyData;
  QAction* LastLocation;
  QAction* UserDefault;

  QComboBox* ClaimStateTaxCombo;
  QComboBox* PayerStateTaxCombo;

 private:
  // Marks `item` and clears `partner` unless `item` is marked already.
  static void MarkPair(QAction* item, QAction* partner);
  void ShowControls(std::initializer_list<const char*> names, bool visible);

  shell::Program& program_;
};

}  // namespace express
