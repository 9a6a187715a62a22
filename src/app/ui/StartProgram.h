#pragma once

#include <QString>

namespace shell {
class Program;
}

namespace app {

using shell::Program;

// The program's start: fills the empty preferences, shows the splash window,
// creates and fits the main windows, refuses a 640 x 480 screen with large
// fonts, sets the start values, warns when the Tahoma font is missing, and
// returns with the splash window waiting for the user. When it refused the
// screen, program.Ended() is true and the caller runs no event loop.
void StartProgram(Program& program);

// The first steps alone, up to the splash window shown (for the benchmark).
void ShowSplash(Program& program);

// What start-up shows.
inline constexpr const char* kLargeFontPrompt =
    "This Program Will Not Run At 640 X 480 Resolution Using Large Fonts. Please Reset Your "
    "Monitor Resolution To Small Fonts Or Use A Higher Resolution Than 640 X 480";
inline constexpr const char* kLargeFontTitle = "Please Note That.....";
inline constexpr const char* kTahomaMissingPrompt =
    "The Tahoma font is not installed on this computer. Without this font, this program may not "
    "display correctly. The Tahoma font is licensed by Microsoft and should have been included "
    "with your installation of Windows 98/2000/XP and with many other Microsoft applications. "
    "Please click Help for information on on how to obtain or re-install this font on your "
    "computer.";
inline constexpr const char* kTahomaMissingTitle = "Your Tahoma Font Is Missing";
// The program's own help on the missing font, shown by the box's Help button.
inline constexpr const char* kTahomaHelpPrompt =
    "The program's screens and printed forms are set in the Tahoma typeface. To install it, add a "
    "TrueType font named Tahoma through your system's font settings, or install your "
    "distribution's package of Tahoma-compatible fonts (on Debian and Ubuntu: fonts-wine), then "
    "start the program again.";
inline constexpr const char* kTahomaHelpTitle = "Installing The Tahoma Font";

}  // namespace app
