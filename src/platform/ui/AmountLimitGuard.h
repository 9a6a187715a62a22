#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QFocusEvent;
class QLineEdit;

namespace platform {
class Dialogs;
}

namespace platform::ui {

// Keeps a text box to the program's amount limit (platform/AmountLimit.h):
// an edit by the user (typing, pasting, dropping, undoing) that leaves an
// amount beyond the limit is taken back at once, the box showing its text
// from before the edit, and reported. Text the program sets is not checked;
// the guard remembers it as the text to go back to when it is within the
// limit. Every amount box of the program's windows has one; a box with
// bounds of its own (a duration, a rate) has one keeping it to those.
class AmountLimitGuard : public QObject {
  Q_OBJECT
 public:
  // Guards `box` (the guard is the box's child): an edit taken back calls
  // `tooLarge` after the box shows its earlier text.
  static AmountLimitGuard* Attach(QLineEdit* box, std::function<void()> tooLarge);
  // The same, the edit taken back reported as an "Entry Error" with
  // AmountTooLargeMessage in `dialogs`. The box also refuses, as the user
  // leaves it, a text that is neither a number nor blank: the "Entry Error"
  // with NotANumberMessage, the text kept and selected, the focus back.
  static AmountLimitGuard* Attach(QLineEdit* box, Dialogs& dialogs);
  // Bounds of the box's own in place of the amount limit: `refusal` gives the
  // message for a text the box refuses (empty when it takes it); an edit to
  // such a text is taken back the same way and its message shown as an
  // "Entry Error" in `dialogs`.
  static AmountLimitGuard* AttachBounds(QLineEdit* box, std::function<QString(const QString& text)> refusal,
                                        Dialogs& dialogs);

  // Whether a focus change is the user entering or leaving a box within its
  // window: not the window's own activation, nor a menu opening.
  static bool EntersOrLeaves(const QFocusEvent* event);

  // For a box that handles its own edits (EntryBox): a guard that does not
  // watch the edits itself; TakeBackTooLarge, called on each edit, takes the
  // edit back and returns true when it passes the limit.
  static AmountLimitGuard* Track(QLineEdit* box);
  bool TakeBackTooLarge();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AmountLimitGuard(QLineEdit* box, std::function<QString(const QString& text)> refusal);

  QLineEdit* box_;
  std::function<QString(const QString& text)> refusal_;  // the message for a text the box refuses
  QString accepted_;  // the latest text the box takes
  std::function<void()> tooLarge_;
  Dialogs* dialogs_ = nullptr;  // set: refuses a text that is not a number when left
};

}  // namespace platform::ui
