#pragma once

#include "platform/ui/Form.h"

class QTextBrowser;

namespace shell {

// A read-only window of fixed formatted help text in Tahoma, in the rich
// text box RichTextBox1 that fills it. Closing the window destroys it.
class HelpWindow : public platform::ui::Form {
  Q_OBJECT
 public:
  HelpWindow(const QString& name, const QString& caption, const QString& html,
             QWidget* parent = nullptr);

  // Sets the whole text in this size and puts the caret back at the start
  // (the openers give it 12 points times the common screen factor).
  void SetTextSize(double points);
  QString PlainText() const;

  QTextBrowser* RichTextBox1;
};

}  // namespace shell
