#pragma once

#include <QString>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

// The controls of every window that a case spans, as the case file and New
// case see them: the Express screen (Form1), the two income windows (Form13,
// Form14), the parenting-time window (Form16), the two business windows
// (Form26, Form27), the worksheet (Form9) and the worksheet font. Saving,
// opening and clearing a case read and write the windows only through this
// interface, so they run without a window; the program's window assembly
// implements it over the live windows, and tests use FakeCaseFields.
namespace casefile {

// Index of a control that is not an element of a control array.
inline constexpr int kNoIndex = -1;

// One control: its window ("Form1"), its control name ("ClaimChild") and, for
// an element of a control array, its index (2).
struct ControlRef {
  QString window;
  QString name;
  int index = kNoIndex;

  bool operator==(const ControlRef&) const = default;
  bool operator<(const ControlRef& other) const {
    return std::tie(window, name, index) < std::tie(other.window, other.name, other.index);
  }
};

// "Form1.ClaimChild(2)", as logs and messages name a control.
QString ControlLabel(const ControlRef& control);

// The worksheet font (`WSFont`): only its name and size are saved.
struct WorksheetFont {
  QString name = QStringLiteral("Tahoma");
  double size = 10;
};

// The windows' own methods that the case file and New case call, by the
// names the windows give them.
namespace method {
inline constexpr const char* YearlyClick = "Yearly_Click";          // Form13, Form14, Form26, Form27
inline constexpr const char* MonthlyClick = "Monthly_Click";        // Form13, Form14
inline constexpr const char* AssignBusinessVars = "AssignBusinessVars";  // Form26, Form27; column
inline constexpr const char* AddBusinessVars = "AddBusinessVars";        // Form26, Form27; column
inline constexpr const char* AssignNewVars = "AssignNewVars";            // Form26, Form27
inline constexpr const char* AssignPopUpVars = "AssignPopUpVars";        // Form13, Form14
inline constexpr const char* AddIncomeVars = "AddIncomeVars";            // Form13, Form14
inline constexpr const char* AssignDeductVars = "AssignDeductVars";      // Form13, Form14
inline constexpr const char* AssignTierVars = "AssignTierVars";          // Form16
inline constexpr const char* CalculateAvTime = "CalculateAvTime";        // Form16
inline constexpr const char* CalculateTierTotal = "CalculateTierTotal";  // Form16
inline constexpr const char* ClearBusinessVars = "ClearBusinessVars";    // Form26, Form27
inline constexpr const char* ApplyWorksheetFont = "ApplyWorksheetFont";  // Form9: every control takes WSFont's name
}  // namespace method

// Getters and setters change the control only and run none of its handling.
// `React` runs the handling the window runs when the user makes that change:
// a text box's change handling, an option's click handling when it has just
// been chosen, a check box's click handling. Opening and New case call it
// after each write that changed a control (Placing.h), so each control reacts
// as to the user's own change; a control without handling ignores it. Names not known to a window read as "" / 0 and
// their writes are ignored.
class CaseFields {
 public:
  CaseFields() = default;
  CaseFields(const CaseFields&) = delete;
  CaseFields& operator=(const CaseFields&) = delete;
  virtual ~CaseFields() = default;

  // Text of a text box, or what a drop-down shows.
  virtual QString Text(const ControlRef& control) const = 0;
  virtual void SetText(const ControlRef& control, const QString& text) = 0;

  // Value of a check box (0 clear, 1 ticked, 2 greyed) or an option (0, 1).
  // Choosing an option turns the other options of its group off; setting it
  // to 0 changes nothing else.
  virtual int Value(const ControlRef& control) const = 0;
  virtual void SetValue(const ControlRef& control, int value) = 0;

  // The handling of a control, as above.
  virtual void React(const ControlRef& control) = 0;

  virtual WorksheetFont Font() const = 0;
  virtual void SetFont(const WorksheetFont& font) = 0;

  // Runs a window's own method (`method::...`); `column` is the business
  // windows' column argument (0 the party, 1 the new spouse), kNoIndex else.
  // Returns false when the method refused to run (an income window whose
  // amounts would overflow in yearly entry).
  virtual bool Run(const QString& window, const char* method, int column = kNoIndex) = 0;

  // The control as messages name it for the user: the window's title and the
  // caption the window shows for it ("Worksheet, Petitioner").
  virtual QString Caption(const ControlRef& control) const = 0;
};

// Map-backed CaseFields for tests. Controls are created on first use: texts
// empty, values 0. The option groups of the case windows are exclusive.
// `Log` records every React ("react Form1.MinChild") and Run ("run
// Form13.Yearly_Click", "run Form26.AddBusinessVars(1)") in order; a test can
// set `OnReact` / `OnRun` to act as the window would.
class FakeCaseFields final : public CaseFields {
 public:
  QString Text(const ControlRef& control) const override;
  void SetText(const ControlRef& control, const QString& text) override;
  int Value(const ControlRef& control) const override;
  void SetValue(const ControlRef& control, int value) override;
  void React(const ControlRef& control) override;
  WorksheetFont Font() const override { return font_; }
  void SetFont(const WorksheetFont& font) override { font_ = font; }
  bool Run(const QString& window, const char* method, int column = kNoIndex) override;
  // The caption set in `Captions`, else the control's label.
  QString Caption(const ControlRef& control) const override;

  std::vector<QString> Log;
  std::map<ControlRef, QString> Captions;
  std::function<void(const ControlRef&)> OnReact;
  std::function<bool(const QString& window, const QString& method, int column)> OnRun;

  // Every control written so far, with its text or value.
  const std::map<ControlRef, QString>& Texts() const { return texts_; }
  const std::map<ControlRef, int>& Values() const { return values_; }

 private:
  std::map<ControlRef, QString> texts_;
  std::map<ControlRef, int> values_;
  WorksheetFont font_;
};

// The other options of the group of an option control (empty when it is none).
std::vector<ControlRef> OptionGroupPeers(const ControlRef& option);

}  // namespace casefile
