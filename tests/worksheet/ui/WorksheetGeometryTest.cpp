// The worksheet as fitted to the screen: no box, label or option of the sheet
// lies over another, every frame holds whole what it crosses, and no rule
// line runs through a control.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRect>

#include "platform/Fonts.h"
#include "support/TestEnvironment.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/OpenWorksheet.h"

namespace {

using worksheet::ui::Form9;

struct Placed {
  QString name;
  QRect rect;  // in the sheet's pixels
  bool container = false;
};

// A control that draws an outline around others: a group box or a drawn box.
bool IsContainer(const QWidget* c) {
  if (qobject_cast<const QGroupBox*>(c)) return true;
  return QLatin1String(c->metaObject()->className()) == QLatin1String("QFrame");
}

std::vector<Placed> PlacedControls(const Form9& sheet) {
  std::vector<Placed> placed;
  for (QWidget* c : sheet.Controls()) {
    if (!c->isVisibleTo(&sheet)) continue;
    placed.push_back({c->objectName(), QRect(c->mapTo(&sheet, QPoint(0, 0)), c->size()), IsContainer(c)});
  }
  return placed;
}

// The count and day boxes stand in a blank of their instruction text, a line
// of it high: each may lie on the label of its own instruction and on no other.
bool StandsInItsInstruction(const Placed& box, const Placed& label) {
  static const QStringList kCountBoxes = {"WSNumMinors", "WSFatherDays", "WSMotherDays"};
  if (!kCountBoxes.contains(box.name) || !label.name.startsWith(QLatin1String("Label"))) return false;
  return box.rect.center().y() > label.rect.top() && box.rect.center().y() < label.rect.top() + box.rect.height();
}

// The sheet as the user may see it: as fitted, reduced by "Reduce Sheet
// Size", in a face wider than Tahoma chosen with "Change Worksheet Font", and
// after opening a case saved in such a face in an earlier session.
enum class Sheet { FullSize, Reduced, WideFace, OpenedWideFace };
const char* SheetName(Sheet sheet) {
  switch (sheet) {
    case Sheet::Reduced: return "Reduced";
    case Sheet::WideFace: return "WideFace";
    case Sheet::OpenedWideFace: return "OpenedWideFace";
    default: return "";
  }
}
struct Screen {
  QSize size;
  Sheet sheet;
};

// A case saved from the worksheet in a face wider than Tahoma, as an earlier
// session leaves it.
QString CaseSavedInAWideFace() {
  const QString path = QDir(testenv::scratchFolder()).filePath(QStringLiteral("Wide face.PVX"));
  QFile::remove(path);
  ProgramFixture earlier;
  worksheet::ui::FitWorksheetWindow(earlier.program);
  auto* sheet = earlier.program.Find<Form9>(QStringLiteral("Form9"));
  earlier.dialogs.AnswerFontDialog(platform::FontChoice{QStringLiteral("DejaVu Sans"), 10});
  sheet->ChangeFont->trigger();
  earlier.dialogs.AnswerSaveDialog(path);
  sheet->SaveWorksheet->trigger();
  EXPECT_TRUE(QFile::exists(path));
  return path;
}

class WorksheetGeometryTest : public ::testing::TestWithParam<Screen> {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

TEST_P(WorksheetGeometryTest, NothingOnTheSheetLiesOverAnythingElse) {
  ProgramFixture run;
  const QSize screen = GetParam().size;
  run.program.PinScreen(shell::ScreenInfo{double(screen.width()), double(screen.height()), 15, 15});
  worksheet::ui::FitWorksheetWindow(run.program);
  auto* sheet = run.program.Find<Form9>(QStringLiteral("Form9"));
  ASSERT_NE(sheet, nullptr);
  if (GetParam().sheet == Sheet::Reduced) sheet->ZoomIn_Click();
  if (GetParam().sheet == Sheet::WideFace) {
    run.dialogs.AnswerFontDialog(platform::FontChoice{QStringLiteral("DejaVu Sans"), 10});
    sheet->ChangeFont_Click();
  }
  if (GetParam().sheet == Sheet::OpenedWideFace) {
    run.dialogs.AnswerOpenDialog(CaseSavedInAWideFace());
    sheet->OpenWorksheet->trigger();
    ASSERT_EQ(run.program.Case.Worksheet.WSFontName, "DejaVu Sans");
    ASSERT_EQ(sheet->BoxControl(worksheet::Box::WSCourt)->font().family(), "DejaVu Sans");
  }
  const std::vector<Placed> placed = PlacedControls(*sheet);
  ASSERT_GT(placed.size(), 200u);

  const QRect whole(QPoint(0, 0), sheet->size());
  for (const Placed& p : placed) EXPECT_TRUE(whole.contains(p.rect)) << p.name.toStdString() << " runs off the sheet";
  for (size_t i = 0; i < placed.size(); ++i)
    for (size_t j = i + 1; j < placed.size(); ++j) {
      const Placed& a = placed[i];
      const Placed& b = placed[j];
      const QRect common = a.rect.intersected(b.rect);
      // Twips rounded to pixels may make two neighbours share a pixel.
      if (common.width() <= 1 || common.height() <= 1) continue;
      if (a.container || b.container) {
        // An outline holds a control whole or stays clear of it.
        const Placed& outer = a.container ? a : b;
        const Placed& inner = a.container ? b : a;
        EXPECT_TRUE(outer.rect.contains(inner.rect) || (inner.container && inner.rect.contains(outer.rect)))
            << inner.name.toStdString() << " crosses the edge of " << outer.name.toStdString();
      } else if (!StandsInItsInstruction(a, b) && !StandsInItsInstruction(b, a)) {
        ADD_FAILURE() << a.name.toStdString() << " lies over " << b.name.toStdString();
      }
    }

  // A label's text fits its own place, so it cannot run under what follows;
  // and the words of two captions on one line stay apart.
  struct Words {
    QString name;
    double from, to;  // the text's extent across the sheet, in pixels
    QRect rect;
  };
  std::vector<Words> lines;
  for (QWidget* c : sheet->Controls())
    if (auto* label = qobject_cast<QLabel*>(c); label && label->isVisibleTo(sheet)) {
      const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
      const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000), flags, label->text());
      if (!label->wordWrap()) {
        const int advance = label->fontMetrics().horizontalAdvance(label->text().trimmed());
        EXPECT_LE(advance, label->contentsRect().width() + 1)
            << label->objectName().toStdString() << ": " << label->text().toStdString();
        const QRect room = label->contentsRect().translated(label->mapTo(sheet, QPoint(0, 0)));
        const double from = label->alignment() & Qt::AlignHCenter ? room.center().x() + 0.5 - advance / 2.0 : room.left();
        if (!label->text().trimmed().isEmpty())
          lines.push_back({label->objectName(), from, from + advance, QRect(label->mapTo(sheet, QPoint(0, 0)), label->size())});
      }
      EXPECT_LE(needed.height(), label->height() + 1) << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
  for (const Words& a : lines)
    for (const Words& b : lines) {
      if (&a == &b || a.from > b.from || a.rect.top() >= b.rect.bottom() || b.rect.top() >= a.rect.bottom()) continue;
      EXPECT_GE(b.from - a.to, 3) << a.name.toStdString() << " runs into " << b.name.toStdString();
    }

  // The rule lines run between the rows, never through a control.
  const double tx = sheet->TwipsPerPixelX(), ty = sheet->TwipsPerPixelY();
  for (const worksheet::LineEnds& line : sheet->L) {
    if (line.y1 == 0 && line.y2 == 0) continue;
    const QPoint origin = sheet->Client()->pos();
    const double y = line.y1 / ty + origin.y();
    for (const Placed& p : placed) {
      if (p.container) continue;
      EXPECT_FALSE(y > p.rect.top() + 0.5 && y < p.rect.bottom() - 0.5 && line.x1 / tx + origin.x() < p.rect.right() &&
                     line.x2 / tx + origin.x() > p.rect.left())
            << "a rule at " << line.y1 << " twips crosses " << p.name.toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, WorksheetGeometryTest,
    ::testing::ValuesIn([] {
      std::vector<Screen> screens;
      for (QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)})
        for (Sheet sheet : {Sheet::FullSize, Sheet::Reduced, Sheet::WideFace, Sheet::OpenedWideFace})
          screens.push_back({size, sheet});
      return screens;
    }()),
    [](const auto& info) {
      const char* sheet = SheetName(info.param.sheet);
      return QStringLiteral("At%1x%2%3").arg(info.param.size.width()).arg(info.param.size.height()).arg(sheet).toStdString();
    });

}  // namespace
