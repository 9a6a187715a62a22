#pragma once

#include <QString>

namespace platform {

// The per-user settings store: string values addressed by application name and
// key, all in the section "UserPrefs". An absent key reads as "". Key names
// match without regard to case, so "TimeDeFault" and "TimeDefault" are one key.
// Each application name is one file in the user's configuration folder.
class SettingsStore {
 public:
  static QString read(const QString& application, const QString& key);
  // Returns false when the value could not be stored (the folder is not writable).
  static bool write(const QString& application, const QString& key, const QString& value);
  static void remove(const QString& application, const QString& key);
  // The file behind an application name (for messages and tests).
  static QString filePath(const QString& application);
};

}  // namespace platform
