#pragma once

#include <QPointer>
#include <QString>

#include <optional>

class QEvent;
class QLineEdit;

namespace express {

// The keys of the time boxes (the Express screen's and the parenting-time
// window's): a key's release converts in the box the key was pressed in, from
// that box's text before the key. A key pressed in one box and released in
// another (Tab moves the focus between the two) converts nothing, so moving
// into a box never reads it back over the figure it shows.
class TimeBoxKeys {
 public:
  // Notes a key press in `box`; for the release of a key pressed in the same
  // box, returns the box's text before that key. Auto-repeated keys count as
  // the one key held down.
  std::optional<QString> Track(QLineEdit* box, const QEvent* event);

 private:
  QPointer<QLineEdit> pressedIn_;
  QString textBefore_;
};

}  // namespace express
