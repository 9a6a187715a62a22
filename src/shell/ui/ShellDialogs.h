#pragma once

namespace platform::ui {
class Form;
}

namespace shell {

class Program;

// What the menus of other windows call to open the shell's dialogs: each is
// loaded, fitted to the screen and shown; one already open comes to the
// front as it is.

// "Preparer's Name and Office", not modal, filled from the stored preferences.
void OpenPreparerDialog(Program& program);
// "Keys To Data Entry" (Form4) and "About Defined Benefit Plans" (Form8), not
// modal, their text at 12 points times the common screen factor, from the top.
void OpenPresentValueHelp(Program& program);
void OpenPensionHelp(Program& program);
// "Button Color Picker" and "Program Display Scaling", modal: each returns
// once the dialog is closed.
void OpenButtonColorPicker(Program& program);
void OpenDisplayScaling(Program& program);

}  // namespace shell
