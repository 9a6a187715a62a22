#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Turns a filter written as pairs of description and patterns,
// "Kelvane_2026 Files|*.PVX|All Files|*.*", into the name filters of Qt's file
// dialogs: "Kelvane_2026 Files (*.PVX)", "All Files (*.*)". Patterns within a
// pair are separated by ";". A description without patterns is dropped.
QStringList NameFiltersFromPairs(const QString& filter);

}  // namespace platform
