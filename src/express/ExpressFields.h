#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// The controls of the Express area's windows as plain code sees them: the
// Express screen (Form1) and the parenting-time window (Form16). The entry
// checks, the custody screen states, the time-sharing conversions, the split
// rows and the tier values read and write the windows only through this
// interface, so they run without a window; each window implements it over its
// own controls, and tests use FakeExpressFields.
namespace express {

// Values of check boxes (0 cleared, 1 ticked, 2 greyed) and option buttons
// (0 off, 1 on).
inline constexpr int kOff = 0;
inline constexpr int kOn = 1;

// Index of a control that is not an element of a control array.
inline constexpr int kNoIndex = -1;

// A control is named by its control name ("NumChild", "ClaimHeadHouse",
// "CharacterizationFrame") and, for an element of a control array, its index
// ("ClaimChild", 2). Names not known to a window read as empty / 0 / false and
// their writes are ignored.
//
// Setters change the control only: they run none of the window's handlers (no
// click handling when an option is turned on, no change handling when a text
// is written). Where the program's behaviour follows from such a handler, the
// plain-code routine that writes the control runs that handling itself. A
// window's own handlers react to the user's clicks and edits only.
class ExpressFields {
 public:
  ExpressFields() = default;
  ExpressFields(const ExpressFields&) = delete;
  ExpressFields& operator=(const ExpressFields&) = delete;
  virtual ~ExpressFields() = default;

  // Text of a text box, the caption of a label or frame.
  virtual QString Text(const QString& name, int index = kNoIndex) const = 0;
  virtual void SetText(const QString& name, const QString& text, int index = kNoIndex) = 0;

  // Value of a check box (0, 1, 2) or an option button (0, 1). Turning an
  // option on turns the other options of its group off (the custody options,
  // each party's filing options, the caregiver options, the two worksheet role
  // options, ClaimChild(i) with OtherChild(i)).
  virtual int Value(const QString& name, int index = kNoIndex) const = 0;
  virtual void SetValue(const QString& name, int value, int index = kNoIndex) = 0;

  // What a combo box shows ("As Rate").
  virtual QString ComboText(const QString& name) const = 0;

  // The check mark of a menu item ("AutoCalc", "DontAutoCalc").
  virtual bool MenuChecked(const QString& name) const = 0;

  // Moves the keyboard focus to a control. A window that is hidden decides
  // itself whether to show first or to leave the focus where it is.
  virtual void SetFocus(const QString& name, int index = kNoIndex) = 0;

  virtual bool Enabled(const QString& name, int index = kNoIndex) const = 0;
  virtual void SetEnabled(const QString& name, bool enabled, int index = kNoIndex) = 0;
  virtual bool Visible(const QString& name, int index = kNoIndex) const = 0;
  virtual void SetVisible(const QString& name, bool visible, int index = kNoIndex) = 0;

  // Back colour as the program stores colours (blue * 65536 + green * 256 + red).
  virtual void SetBackColor(const QString& name, std::uint32_t color, int index = kNoIndex) = 0;

  // Shows the window modeless and brings it to the front (the affidavit's tax
  // estimate brings the Express screen forward before some messages).
  virtual void Show() = 0;

  // The entry message for a box of the income and business windows that
  // holds an entry it refuses (a negative where none can be, a text that is
  // not a number, an amount past the limit), naming the window and the box's
  // caption; empty when every box holds what it takes. No run starts then.
  virtual QString RefusedIncomeEntry() const { return {}; }
};

// Every control name of the Express screen that the plain-code routines read
// or write (arrays once, by their name). A window can check that it knows them all.
const QStringList& ExpressControlNames();
// The same for the parenting-time window.
const QStringList& ParentingTimeControlNames();

// A map-backed ExpressFields for tests and for code that needs a scratch copy
// of a window's fields. Controls are created on first use: texts empty,
// values 0, enabled and visible. It runs no handlers, and `Log` records each
// focus move ("focus NumChild", "focus ClaimChild(2)") and each Show ("show")
// in order, so a test can check the order of the steps.
class FakeExpressFields final : public ExpressFields {
 public:
  using Key = std::pair<QString, int>;

  QString Text(const QString& name, int index = kNoIndex) const override;
  void SetText(const QString& name, const QString& text, int index = kNoIndex) override;
  int Value(const QString& name, int index = kNoIndex) const override;
  void SetValue(const QString& name, int value, int index = kNoIndex) override;
  QString ComboText(const QString& name) const override;
  bool MenuChecked(const QString& name) const override;
  void SetFocus(const QString& name, int index = kNoIndex) override;
  bool Enabled(const QString& name, int index = kNoIndex) const override;
  void SetEnabled(const QString& name, bool enabled, int index = kNoIndex) override;
  bool Visible(const QString& name, int index = kNoIndex) const override;
  void SetVisible(const QString& name, bool visible, int index = kNoIndex) override;
  void SetBackColor(const QString& name, std::uint32_t color, int index = kNoIndex) override;
  void Show() override;

  // Test set-up of what the interface only reads.
  void SetComboText(const QString& name, const QString& text) { combos_[name] = text; }
  void SetMenuChecked(const QString& name, bool checked) { menus_[name] = checked; }
  std::uint32_t BackColor(const QString& name, int index = kNoIndex) const;

  QString RefusedIncomeEntry() const override { return RefusedIncome; }
  QString RefusedIncome;

  // The control that has the focus: "" before any focus move.
  QString Focus;
  std::vector<QString> Log;

 private:
  std::map<Key, QString> texts_;
  std::map<Key, int> values_;
  std::map<Key, bool> enabled_;
  std::map<Key, bool> visible_;
  std::map<Key, std::uint32_t> colors_;
  std::map<QString, QString> combos_;
  std::map<QString, bool> menus_;
};

// "Name" or "Name(i)", as logs and messages name a control.
QString ControlLabel(const QString& name, int index = kNoIndex);

}  // namespace express
