#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>

// Reads back what the program wrote to a PDF file with poppler's command-line
// tools. Each returns nothing when the tool is not installed.
namespace testenv {

inline std::optional<QString> RunPdfTool(const QString& tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, in page order (pdftotext ends every page with a form feed).
inline std::optional<QStringList> PdfPageTexts(const QString& path) {
  const auto text = RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
  if (!text) return std::nullopt;
  QStringList pages = text->split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// The size of each page in points ("612 x 792" for a portrait letter page).
inline std::optional<QStringList> PdfPageSizes(const QString& path) {
  const auto info = RunPdfTool(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "9999", path});
  if (!info) return std::nullopt;
  QStringList sizes;
  static const QRegularExpression line(QStringLiteral("Page +\\d+ size: +([\\d.]+ x [\\d.]+) pts"));
  for (auto it = line.globalMatch(*info); it.hasNext();) sizes << it.next().captured(1);
  return sizes;
}

}  // namespace testenv
