#include "worksheet/GuidelinesText.h"

#include <QDir>
#include <QRegularExpression>

#include "platform/TextFile.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/RichText.h"

namespace worksheet {

platform::Document GuidelinesTextDocument(const QString& programFolder) {
  const platform::TextFileReading file = platform::ReadTextFile(QDir(programFolder).filePath(kGuidelinesTextFile));
  QString joined = file.text;
  joined.remove(QRegularExpression(QStringLiteral("\r\n|\r|\n")));

  platform::DrawingCursor vs;
  vs.SetPreviewMode(true);
  vs.BeginDocument();
  vs.SetMarginTop(400);
  vs.SetMarginBottom(400);
  vs.SetMarginLeft(700);
  vs.SetMarginRight(700);
  vs.SetCurrentY(400);
  vs.SetCurrentX(700);
  if (file.ok()) platform::PrintRichText(vs, joined);
  vs.EndDocument();
  return vs.TakeDocument();
}

}  // namespace worksheet
