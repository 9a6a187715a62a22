#pragma once

#include "platform/ui/Form.h"

class QTextBrowser;

namespace business {

// "About The Business Deduction Dialog": the fixed text on the business
// window's fields, in the rich text box RichTextBox1. Closing it destroys it;
// the business window's help command creates it afresh.
class FormBus : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit FormBus(QWidget* parent = nullptr);

  // Sets the whole text in this size and leaves nothing selected, the caret
  // and the view at the start.
  void SetTextSize(double points);

  QTextBrowser* RichTextBox1 = nullptr;
};

// The help text, as rich text (Tahoma, 10 points, the title in bold).
const QString& BusinessHelpText();

}  // namespace business
