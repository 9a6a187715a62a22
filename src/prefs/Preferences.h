#pragma once

#include <QString>

#include "platform/SettingsStore.h"

// Every preference the program keeps, declared once: its application name,
// its key and the default that start-up writes when the key reads empty.
// Read and write preferences only through these declarations.
namespace prefs {

struct Preference {
  const char* application;
  const char* key;
  const char* defaultValue;  // nullptr: no default, the key stays absent until set

  QString read() const { return platform::SettingsStore::read(application, key); }
  bool write(const QString& value) const {
    return platform::SettingsStore::write(application, key, value);
  }
  // Writes the default when the key reads empty; true when it wrote.
  bool fillDefault() const {
    if (!defaultValue || !read().isEmpty()) return false;
    write(QString::fromUtf8(defaultValue));
    return true;
  }
};

inline constexpr const char* kDisplayApp = "Tovrelle2026";
inline constexpr const char* kCaseApp = "Kelvane_Fl";
inline constexpr const char* kDataApp = "Kelvane_2026_Fl";

// Display: button look and screen scheme.
inline constexpr Preference ThemeColor{kDisplayApp, "ThemeColor", "8421504"};  // &H808080 mid grey
inline constexpr Preference BackColor{kDisplayApp, "BackColor", "12632319"};   // &HC0C0FF light red
inline constexpr Preference ForeColor{kDisplayApp, "ForeColor", "0"};          // black
inline constexpr Preference VisualStyle{kDisplayApp, "VisualStyle", "False"};
inline constexpr Preference BorderStyle{kDisplayApp, "BorderStyle", "5"};
inline constexpr Preference ScreenDefault{kDisplayApp, "ScreenDefault", "TV"};

// Case and calculation preferences.
inline constexpr Preference TimeDefault{kCaseApp, "TimeDefault", "Yearly"};
inline constexpr Preference MaintMode{kCaseApp, "MaintMode", "MaintFirst"};
inline constexpr Preference SplitDefault{kCaseApp, "SplitDefault", "Winters"};
inline constexpr Preference InterpDefault{kCaseApp, "InterpDefault", "Closest"};
inline constexpr Preference PreparerMargin{kCaseApp, "PreparerMargin", "One"};
inline constexpr Preference MonAdj{kCaseApp, "MonAdj", "1"};
inline constexpr Preference FileSaveDefault{kCaseApp, "FileSaveDefault", "WindowsDefault"};

// Preparer details: absent until the preparer dialog is first closed.
inline constexpr Preference PreparerName{kCaseApp, "PreparerName", nullptr};
inline constexpr Preference PreparerOffice{kCaseApp, "PreparerOffice", nullptr};
inline constexpr Preference NameCheck{kCaseApp, "NameCheck", nullptr};
inline constexpr Preference OfficeCheck{kCaseApp, "OfficeCheck", nullptr};
inline constexpr Preference DateCheck{kCaseApp, "DateCheck", nullptr};

// Data folder; its default depends on the user, so start-up computes it: the
// "Pvx Data" folder in the user's documents folder (FileFolders.h), created
// when a dialog first starts in it.
inline constexpr Preference DataLoc{kDataApp, "DataLoc", nullptr};

// The folder of the file last opened or saved through the program's file
// dialogs, kept from one run to the next: with "Always Open To The Last
// Location" the dialogs start there. Absent until the first file.
inline constexpr Preference LastFolder{kDataApp, "LastFolder", nullptr};

}  // namespace prefs
