// The worksheet (Form9) as the case file sees it. The worksheet window's
// controls are read and written by name like every other window's
// (WindowCaseFields.cpp); what is particular to it lives here.
#include <QWidget>

#include "casefile/ui/WindowCaseFields.h"
#include "platform/ui/Form.h"
#include "shell/ui/Program.h"
#include "worksheet/ui/Form9.h"

namespace casefile::ui {

void ReactWorksheet(shell::Program&, platform::ui::Form&, const ControlRef&) {
  // The worksheet's boxes keep what is written into them; their change
  // handling belongs to the worksheet window.
}

bool RunWorksheet(shell::Program& program, platform::ui::Form& form9, const char* method) {
  if (QLatin1String(method) == QLatin1String(method::ApplyWorksheetFont)) {
    const QString name = program.Case.Worksheet.WSFontName;
    if (name.isEmpty()) return true;
    // As Change Worksheet Font does: the face, and every caption whole in it.
    if (auto* sheet = qobject_cast<worksheet::ui::Form9*>(&form9)) sheet->ApplyWorksheetFace(name);
  }
  return true;
}

}  // namespace casefile::ui
