#include "platform/document/PdfWriter.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/document/PageRenderer.h"

namespace platform {

namespace {

QPageLayout LetterLayout(PageOrientation orientation) {
  return QPageLayout(QPageSize(QPageSize::Letter),
                     orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait,
                     QMarginsF());
}

QString Failure(const QString& path, const QString& reason) {
  return QStringLiteral("The PDF file \"%1\" could not be saved: %2")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

OutputResult SaveDocumentAsPdf(const Document& document, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {Failure(path, file.errorString())};

  bool drawn = true;
  {
    QPdfWriter writer(&file);
    writer.setResolution(static_cast<int>(kTwipsPerInch));
    writer.setPageLayout(LetterLayout(document.isEmpty() ? PageOrientation::Portrait
                                                         : document.pages.front().orientation()));
    QPainter painter;
    if (!painter.begin(&writer)) {
      drawn = false;
    } else {
      for (std::size_t i = 0; i < document.pages.size() && drawn; ++i) {
        const Page& page = document.pages[i];
        if (i > 0) {
          writer.setPageLayout(LetterLayout(page.orientation()));
          drawn = writer.newPage();
        }
        if (drawn) PaintPage(painter, page, 1.0);
      }
      drawn = painter.end() && drawn;
    }
  }
  if (!drawn) {
    file.cancelWriting();
    return {Failure(path, QStringLiteral("the pages could not be drawn."))};
  }
  if (!file.commit()) return {Failure(path, file.errorString())};
  return {};
}

}  // namespace platform
