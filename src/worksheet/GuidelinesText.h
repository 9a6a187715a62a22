#pragma once

#include <QString>

#include "platform/document/Document.h"

// The worksheet's Help text: the program's own short account of how the
// worksheet computes child support, shipped beside the program as a rich-text
// file and drawn into the preview.
namespace worksheet {

// The file's name in the program folder.
inline const QString kGuidelinesTextFile = QStringLiteral("WorksheetGuidelines.html");

// The document of the Help text: preview mode, margins 700 twips left and
// right, 400 top and bottom, the file's lines joined with nothing between
// them and drawn as rich text. A file that cannot be read gives an empty page
// and no message.
platform::Document GuidelinesTextDocument(const QString& programFolder);

}  // namespace worksheet
