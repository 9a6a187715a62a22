#pragma once

#include "platform/ui/Form.h"

class QGroupBox;
class QTextBrowser;

namespace platform::ui {
class TabControl;
}

namespace alimony {

// "Education/Skills Reference Table": a read-only window beside the Express
// screen that helps choose the claimant's education and skills score, by
// income potential and by education. Closing it destroys it, so it opens on
// "Score By Income" every time.
class Form2 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form2(QWidget* parent = nullptr);

  // Paints the tab control in the user's screen scheme ("ScreenDefault"): the
  // program's colour for TV, the system button face for Sys, nothing else.
  void Form_Load();

  platform::ui::TabControl* SSTab1 = nullptr;
  QTextBrowser* RichTextBox1 = nullptr;
  QGroupBox* Frame1 = nullptr;  // the education table
  QGroupBox* Frame2 = nullptr;  // the income table
};

}  // namespace alimony
