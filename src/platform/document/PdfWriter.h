#pragma once

#include <QString>

#include "platform/document/Document.h"
#include "platform/document/OutputResult.h"

namespace platform {

// Writes the document to a PDF file, one letter page a page, twips mapped one
// to one onto the file's 1440 units to the inch. The file is written beside
// the target and put in place only when complete: a failed save leaves no
// partial file and keeps a file that was there before. A document without
// pages gives one blank page.
OutputResult SaveDocumentAsPdf(const Document& document, const QString& path);

}  // namespace platform
