#pragma once

#include <QString>

#include <cstdint>

namespace casevars {

// The affidavit font and sizes the affidavit pages share with the affidavit
// printers and the affidavit data file.
struct AffidavitPageVars {
  // FDFont: the face and size (points) in which the pages show entries; the
  // face also measures the width check and prints the affidavit.
  QString FDFontName = QStringLiteral("Tahoma");
  double FDFontSizePoints = 9.75;
  // FDScreenFontSize: the pages' design size of their item labels, set once.
  double FDScreenFontSize = 9.75;
  // FDFontSize: the size in which the affidavit prints.
  std::int16_t FDFontSize = 9;
};

}  // namespace casevars
