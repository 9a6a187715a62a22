// The program's one printer: the font and drawing settings one direct
// printout leaves are in force when the next starts, and the printer chosen
// in "Printer Setup" is the one the next printout goes to.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>

#include <functional>

#include "express/ui/ExpressFixture.h"
#include "platform/Fonts.h"
#include "results/ui/Form10.h"
#include "screenimage/ui/Form6.h"
#include "tools/ui/BonusWindow.h"

namespace {

struct Sent {
  platform::Document document;
  QString printer;
};

class PrinterSettingsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  void SetUp() override {
    run.time.SendToPrinter = [this](const platform::Document& doc, const platform::PrinterChoice& choice) {
      sent.push_back({doc, choice.printerName});
      return platform::OutputResult{};
    };
    run.program.PrinterSetupOf = [](const platform::PrinterChoice& choice) {
      return platform::PrinterSetup{choice.printerName == "Front Desk" ? 150 : 600, QMarginsF(360, 360, 360, 360)};
    };
  }

  // Where a window's printout goes: kept here instead of printed.
  void Keep(income::ReportPrinter& printer) {
    printer.setupFor = run.program.PrinterSetupOf;
    printer.print = run.time.SendToPrinter;
  }

  // The parenting-time report; the font of its first line, which it prints in
  // the printer's font as it stands.
  QString ParentingTimeHeaderFont() {
    run.express.ClaimantName->setText("Smith v. Smith");
    run.dialogs.AnswerPrintDialog(platform::PrinterChoice{});
    run.time.MenuItem("PrintParentingTime")->trigger();
    if (sent.empty() || sent.back().document.pages.empty()) return {};
    const auto runs = sent.back().document.pages.front().textRuns();
    return runs.empty() ? QString() : runs.front()->font.name;
  }

  ExpressFixture run;
  std::vector<Sent> sent;
};

TEST_F(PrinterSettingsTest, EachPrintoutStartsFromTheSettingsTheLastOneLeft) {
  auto* credits = run.program.Load<results::ui::Form10>(QStringLiteral("Form10"));
  auto* bonus = run.program.Load<tools::ui::BonusWindow>(QStringLiteral("FormBonusCS"));
  auto* image = run.program.Load<screenimage::ui::Form6>(QStringLiteral("Form6"));
  ASSERT_TRUE(credits && bonus && image);
  Keep(credits->Printer);
  Keep(bonus->Printer);
  Keep(image->Printer);
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::white);
  image->SetCapture(picture, 1, 1);

  // A face set on the printer (as the worksheet's font command sets it) is
  // the face of the next printout's header.
  run.program.Printer.SetFontName("Courier New");
  EXPECT_EQ(ParentingTimeHeaderFont(), "Courier New");
  // The report switched to Tahoma for its tables: the next report starts in it.
  EXPECT_EQ(ParentingTimeHeaderFont(), "Tahoma");

  struct Printout {
    const char* name;
    std::function<bool()> print;
    QString faceLeft;  // the face the printout leaves on the printer
  };
  const Printout printouts[] = {
      {"tax credits", [&] { return credits->PrintCredits_Click(); }, "Tahoma"},
      {"bonus report", [&] { return bonus->PrintReport_Click(); }, "Tahoma"},
      {"screen image", [&] { return image->Command1_Click(); }, "Courier New"},  // draws no text
  };
  for (const Printout& p : printouts) {
    SCOPED_TRACE(p.name);
    run.program.Printer.SetFontName("Courier New");
    run.program.Printer.SetFontBold(true);
    run.dialogs.AnswerPrintDialog(platform::PrinterChoice{});
    const size_t before = sent.size();
    ASSERT_TRUE(p.print());
    ASSERT_EQ(sent.size(), before + 1);
    EXPECT_FALSE(sent.back().document.pages.empty());
    EXPECT_EQ(run.program.Printer.FontName(), p.faceLeft);
    EXPECT_EQ(ParentingTimeHeaderFont(), p.faceLeft);
  }
  // The screen image turned the printer to landscape; the report turns it back.
  EXPECT_EQ(sent.back().document.pages.front().orientation(), platform::PageOrientation::Portrait);
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join("; ").toStdString();
}

TEST_F(PrinterSettingsTest, PrinterSetupChoosesThePrinterOfTheNextPrintout) {
  for (const char* window : {"Form1", "FormFin", "Form12"}) {
    SCOPED_TRACE(window);
    auto* form = run.program.Load<platform::ui::Form>(QString::fromLatin1(window));
    ASSERT_NE(form, nullptr);
    run.program.Printer.SetPrinterSetup({});
    run.dialogs.AnswerPrinterSetup(std::nullopt);  // Cancel changes nothing
    form->MenuItem("PrinterSetup")->trigger();
    EXPECT_EQ(run.program.Printer.PrintQuality(), 600);

    platform::PrinterChoice desk;
    desk.printerName = "Front Desk";
    run.dialogs.AnswerPrinterSetup(desk);
    form->MenuItem("PrinterSetup")->trigger();
    EXPECT_EQ(run.program.Printer.PrintQuality(), 150);
    ParentingTimeHeaderFont();  // OK in the print dialog, as it opens
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().printer, "Front Desk");
    EXPECT_EQ(run.program.Printer.PrintQuality(), 150);
  }
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join("; ").toStdString();
}

}  // namespace
