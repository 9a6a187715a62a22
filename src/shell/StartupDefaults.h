#pragma once

#include <QString>

namespace shell {

// The preferences start-up fills when they read empty (a key holding any
// text, recognised or not, keeps it). The display keys and the income period
// come first, before the splash window shows; the rest (data folder,
// calculation choices, top margin, monitor adjustment, save-folder rule) follow.
// The data folder a first run proposes is "Pvx Data" in the user's documents
// folder (prefs::DefaultDataFolder), not yet created.
void FillDisplayDefaults();
void FillRemainingDefaults();

}  // namespace shell
