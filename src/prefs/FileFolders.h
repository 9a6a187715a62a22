#pragma once

#include <QString>

// Where the program's open and save dialogs start, and what they remember.
// Every file dialog of the program (case file, affidavit data file, PDF)
// takes its starting folder from here.
namespace prefs {

// The default data folder: "Pvx Data" in the user's documents folder.
QString DefaultDataFolder();

// The folder a file dialog starts in. With the folder preference
// `FileSaveDefault` "UserDefault": the data folder (`DataLoc`, read again
// into `dataFolder`) when it exists, or when it is the default data folder
// and could be created now; "" (the dialog's own default) when a chosen data
// folder is gone. With any other value ("Always Open To The Last Location"):
// the folder of the last file opened or saved (`LastFolder`) when it still
// exists, else the default data folder, created when first used. Changes no
// current folder.
QString DialogStartFolder(QString& dataFolder);

// Keeps the folder of a file just opened or saved for the next dialog, in
// this run and the next ones.
void RememberFileFolder(const QString& filePath);

}  // namespace prefs
