#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "platform/Fonts.h"
#include "support/TestEnvironment.h"
#include "support/ui/ProgramFixture.h"

using namespace affidavit;
using namespace affidavit::ui;

namespace {

// The room a caption has inside its control, in pixels.
int CaptionRoom(QWidget* w) {
  if (auto* box = qobject_cast<QCheckBox*>(w)) {
    return box->contentsRect().width() - box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
           box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
  }
  if (auto* option = qobject_cast<QRadioButton*>(w)) {
    return option->contentsRect().width() -
           option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) -
           option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
  }
  if (qobject_cast<QPushButton*>(w)) return w->contentsRect().width() - 8;
  return w->contentsRect().width();
}

QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  return {};
}

// The pages as the user may see them: after the start-up fit, reduced by
// "Reduce Sheet Size", in a face wider than Tahoma chosen with "Change
// Affidavit Font" on each form, and after opening a data file saved in such a
// face in an earlier session.
enum class Sheet { FullSize, Reduced, WideFace, OpenedWideFace };

// A long-form data file saved in a face wider than Tahoma, as an earlier
// session on the same screen leaves it.
QString DataFileInAWideFace(const shell::ScreenInfo& screen) {
  const QString path = QDir(testenv::scratchFolder()).filePath(QStringLiteral("Wide face.FIN"));
  QFile::remove(path);
  ProgramFixture earlier;
  earlier.program.PinScreen(screen);
  FitAffidavitPages(earlier.program);
  RunAffidavit(earlier.program, true);
  earlier.dialogs.AnswerFontDialog(platform::FontChoice{QStringLiteral("DejaVu Sans"), 9});
  Page(earlier.program, PageId::Form12)->ChangeFont_Click();
  earlier.dialogs.AnswerSaveDialog(path);
  Page(earlier.program, PageId::Form12)->SaveFinDec_Click();
  EXPECT_TRUE(QFile::exists(path));
  return path;
}

void Prepare(shell::Program& program, platform::ScriptedDialogs& dialogs, Sheet sheet, const shell::ScreenInfo& screen) {
  if (sheet == Sheet::Reduced) {
    RunAffidavit(program, true);
    Page(program, PageId::Form12)->ZoomIn_Click();
  }
  if (sheet == Sheet::WideFace) {
    for (auto [longForm, page] : {std::pair{true, PageId::Form12}, std::pair{false, PageId::Form121}}) {
      RunAffidavit(program, longForm);
      dialogs.AnswerFontDialog(platform::FontChoice{QStringLiteral("DejaVu Sans"), 9});
      Page(program, page)->ChangeFont_Click();
    }
  }
  if (sheet == Sheet::OpenedWideFace) {
    RunAffidavit(program, false);
    dialogs.AnswerOpenDialog(DataFileInAWideFace(screen));
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    Page(program, PageId::Form121)->OpenFinDec_Click();
    ASSERT_EQ(program.Case.AffidavitPages.FDFontName, "DejaVu Sans");
  }
}

// Every caption of the four pages is whole on the screens the program is laid
// out for: one line within its control's width, a broken caption within its
// height.
TEST(AffidavitPageGeometry, EveryCaptionWholeFullSizeReducedAndInAWideFaceChosenOrOpened) {
  platform::RegisterTahomaIfMissing();
  const shell::ScreenInfo screens[] = {{800, 600, 15, 15}, {1024, 768, 15, 15}, {1920, 1080, 15, 15}};
  for (const shell::ScreenInfo& screen : screens)
    for (Sheet sheet : {Sheet::FullSize, Sheet::Reduced, Sheet::WideFace, Sheet::OpenedWideFace}) {
      const char* names[] = {"", " reduced", " wide face", " opened in a wide face"};
      SCOPED_TRACE(std::to_string(int(screen.widthPx)) + "x" + std::to_string(int(screen.heightPx)) +
                   names[int(sheet)]);
      ProgramFixture f;
      f.program.PinScreen(screen);
      FitAffidavitPages(f.program);
      Prepare(f.program, f.dialogs, sheet, screen);
      for (PageId id : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123}) {
        AffidavitPage* page = Page(f.program, id);
        ASSERT_NE(page, nullptr);
        int captions = 0;
        for (QWidget* w : page->Sheet->findChildren<QWidget*>()) {
          const QString text = Caption(w);
          if (text.trimmed().isEmpty() || !w->isVisibleTo(page->Sheet)) continue;
          ++captions;
          const std::string name = PageName(id).toStdString() + " " + w->objectName().toStdString();
          const QFontMetrics m(w->font());
          auto* label = qobject_cast<QLabel*>(w);
          if (label && label->wordWrap()) {
            const QRect r = m.boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), text);
            EXPECT_LE(r.height(), label->contentsRect().height()) << name;
            continue;
          }
          EXPECT_LE(m.horizontalAdvance(text), CaptionRoom(w)) << name << " \"" << text.toStdString() << "\"";
          EXPECT_LE(m.height(), w->height()) << name;
        }
        EXPECT_GT(captions, 20) << PageName(id).toStdString();
      }
      EXPECT_FALSE(f.dialogs.Failed()) << f.dialogs.Failures().join("\n").toStdString();
    }
}

}  // namespace
