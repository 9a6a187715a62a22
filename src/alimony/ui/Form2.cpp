#include "alimony/ui/Form2.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QTextBrowser>

#include <optional>

#include "platform/Colors.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"

namespace alimony {

using platform::ui::Place;
using platform::ui::TabControl;

namespace {

constexpr platform::OleColor kHeadColour = 0xFF0000;  // blue
constexpr platform::OleColor kScoreColour = 0xFF;     // red

const char* kAboutScore =
    "The Education Skills Score, in reference to these tables, is a continuum based on how marketable the "
    "claimant is given his/her education and skills. The question to ask is does the claimant possess the "
    "sort of education or training that makes him/her marketable (at the defined level) in the short to mid "
    "run. Education equivalents and/or gross income potential should be considered. The scale should also be "
    "used in relation to the claimant's past labor market history. See the program documentation for further "
    "information and direction on this score.";

}  // namespace

Form2::Form2(QWidget* parent) : Form(QStringLiteral("Form2"), parent) {
  setWindowTitle(QStringLiteral("Education/Skills Reference Table"));
  setAttribute(Qt::WA_DeleteOnClose);
  Place(this, 0, 0, 7890, 3690);

  SSTab1 = add<TabControl>(QStringLiteral("SSTab1"), nullptr, 120, 120, 7725, 3495);
  SSTab1->SetTabs({QStringLiteral("About Score"), QStringLiteral("Score By Income"),
                   QStringLiteral("Score By Education")});

  RichTextBox1 = add<QTextBrowser>(QStringLiteral("RichTextBox1"), SSTab1->Page(0), 1350, 810, 5055, 2535);
  platform::ui::SetFontSize(RichTextBox1, 9);
  RichTextBox1->setPlainText(QString::fromLatin1(kAboutScore));

  Frame2 = add<QGroupBox>(QStringLiteral("Frame2"), SSTab1->Page(1), 1230, 600, 4875, 2535);
  Frame1 = add<QGroupBox>(QStringLiteral("Frame1"), SSTab1->Page(2), 1230, 600, 4875, 2535);

  int labels = 0;
  // A label from its left edge to the frame's right edge, bold and coloured when given a colour.
  const auto label = [this, &labels](QGroupBox* frame, double x, double y, double height, const char* text,
                                     std::optional<platform::OleColor> colour) {
    QLabel* l = add<QLabel>(QStringLiteral("Label%1").arg(++labels), frame, x, y, 4875 - 60 - x, height,
                            QString::fromLatin1(text));
    if (colour) {
      QFont f = l->font();
      f.setBold(true);
      l->setFont(f);
      platform::ui::SetForeColor(l, *colour);
    }
    return l;
  };

  label(Frame1, 210, 300, 240, "Level of Education", kHeadColour);
  label(Frame1, 2760, 300, 240, "Score", kHeadColour);
  label(Frame1, 3990, 300, 240, "Range", kHeadColour);
  const struct {
    double y, height;
    const char *level, *score, *range;
  } education[] = {
      {600, 240, "No High School Diploma", "15", "(13-15)"},
      {840, 240, "High School Diploma", "12", "(11-13)"},
      {1080, 420, "College Credits (at least 30, but no degree)", "9", "(8-11)"},
      {1500, 240, "College Degree", "6", "(5-8)"},
      {1740, 240, "Master's Degree", "3", "(2-5)"},
      {1980, 240, "PhD/Professional Degree", "0", "(0-2)"},
  };
  for (const auto& row : education) {
    QLabel* level = label(Frame1, 240, row.y, row.height, row.level, std::nullopt);
    platform::ui::SetWidth(level, 2400);
    level->setWordWrap(true);
    label(Frame1, 2820, row.y, 240, row.score, kScoreColour);
    label(Frame1, 3960, row.y, 240, row.range, std::nullopt);
  }

  label(Frame2, 240, 300, 240, "Present Income Potential", kHeadColour);
  label(Frame2, 3690, 300, 240, "Score", kHeadColour);
  const struct {
    double y;
    const char *income, *score;
  } incomes[] = {
      {570, "$0 - $20,000", "14-15"},       {846, "$20,000 - $32,000", "11-13"},
      {1122, "$32,000 - $45,000", "8-11"},  {1398, "$45,000 - $55,000", "6-8"},
      {1674, "$55,000 - $84,000", "3-6"},   {1950, "$84,000 +", "0-2"},
  };
  for (const auto& row : incomes) {
    label(Frame2, 600, row.y, 240, row.income, std::nullopt);
    label(Frame2, 3690, row.y, 240, row.score, kScoreColour);
  }

  SSTab1->SetTab(1);
  Form_Load();
}

void Form2::Form_Load() {
  const QString scheme = prefs::ScreenDefault.read();
  platform::OleColor colour = 0;
  if (scheme == QLatin1String("TV")) colour = platform::kSchemeFace;
  else if (scheme == QLatin1String("Sys")) colour = platform::kSysButtonFace;
  else return;
  platform::ui::SetTabPaintStyle(*SSTab1, 0);
  platform::ui::SetTabSolidColor(*SSTab1, colour);
  platform::ui::HookTabControl(*SSTab1);
}

}  // namespace alimony
