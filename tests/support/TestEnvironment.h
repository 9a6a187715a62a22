#pragma once

#include <QString>

// Every test runs with its own empty settings, configuration and data folders,
// so that no test sees what another test (or the user) stored, whether the
// tests run one to a process (as CTest runs them) or all in one process.
namespace testenv {

// Points XDG_CONFIG_HOME, XDG_DATA_HOME and HOME at a fresh temporary folder
// and installs a listener that gives each test a fresh settings folder.
// Call before the Qt application object is created.
void isolateFolders();

// A temporary folder of the running test's own, empty when the test starts.
QString scratchFolder();

// Path of a file under tests/data.
QString dataFile(const QString& name);

}  // namespace testenv
