#pragma once

#include <QString>

#include <optional>

#include "platform/Colors.h"
#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

class QWidget;

namespace shell {

// The screen a window shows on (the primary screen when it has none yet).
ScreenInfo CurrentScreenInfo(const QWidget* window = nullptr);

// Fits a window to the screen before it is shown: recomputes the screen
// factors into `factors`, scales the window's width, height and top (not its
// left edge) and every control's position, size and font size from the design
// grid, gives controls tagged 1000 the user's button scheme and applies the
// screen scheme's recolouring. A few windows are treated by name. The fit
// multiplies the current geometry, so a window is fitted once per loading.
void FitFormToScreen(platform::ui::Form& window, ScreenFactors& factors, const ScreenInfo& screen);
void FitFormToScreen(platform::ui::Form& window, ScreenFactors& factors);

// The same for windows whose controls lie on the pages of a tab control named
// "SSTab1": horizontal positions scale by the common factor, the tabs' width
// by the horizontal factor and their height by the vertical one (their font,
// like every font, by the common factor once), and the monitor adjustment
// applies to every window.
void FitTabFormToScreen(platform::ui::Form& window, ScreenFactors& factors, const ScreenInfo& screen);
void FitTabFormToScreen(platform::ui::Form& window, ScreenFactors& factors);

// The window's own font (the one the window itself draws with, not its
// controls'): takes `face` and its size times the common factor. The fitting
// of the worksheet and of the affidavit pages adds this to FitFormToScreen,
// which scales the controls' fonts only.
void FitOwnFont(QWidget& window, const QString& face, const ScreenFactors& factors);

// The button look: the five button preferences as stored texts.
struct ButtonScheme {
  QString theme, back, fore, visualStyle, borderStyle;
  static ButtonScheme Read();
};

// Hands a button look to a control whose tag is the number 1000: back, fore
// and theme colour, visual styles and border style, each a text the control
// converts (and refuses when it cannot). Other controls are left alone.
void HandOverButtonScheme(QWidget* control, const ButtonScheme& scheme);

// The two screen schemes: the program's colours ("TV") and the system's ("Sys").
enum class ScreenScheme { Program, System };
// The stored scheme; none for any other text.
std::optional<ScreenScheme> StoredScreenScheme();
// The scheme's face colour: 14215661 for the program's, the button face for the system's.
platform::OleColor SchemeFaceColour(ScreenScheme scheme);
// Turns the three marker colours of one control to the scheme's.
void RecolourControl(QWidget* control, ScreenScheme scheme);

// Hands the stored button look to a control tagged 1000 and applies the
// stored screen scheme to one control (both steps of a fit, for routines that
// recolour a window on their own).
void ApplyButtonScheme(QWidget* control);
void ApplyScreenScheme(QWidget* control);

}  // namespace shell
