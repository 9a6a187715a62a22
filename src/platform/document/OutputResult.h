#pragma once

#include <QString>

namespace platform {

// The outcome of sending a document somewhere (a PDF file, a printer): empty
// when it went well, else a plain sentence the caller can show to the user.
struct OutputResult {
  QString error;

  bool ok() const { return error.isEmpty(); }
};

}  // namespace platform
