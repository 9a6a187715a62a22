#pragma once

#include <QString>

namespace platform {

// A text file read whole: its text with the line breaks it holds, or, when it
// cannot be read, a sentence that says why (the text is then empty).
struct TextFileReading {
  QString text;
  QString error;  // "" when the file was read

  bool ok() const { return error.isEmpty(); }
};

// Reads the file at `path` to its end as UTF-8 text. A missing file, a folder
// or a file that cannot be opened gives an error naming the file.
TextFileReading ReadTextFile(const QString& path);

}  // namespace platform
