#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>

#include "calculators/ui/CalculatorWindow.h"
#include "calculators/ui/Form7.h"
#include "calculators/ui/Form72t.h"
#include "calculators/ui/FormFin.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/EntryBox.h"
#include "support/TestEnvironment.h"
#include "support/ui/ProgramFixture.h"

using namespace calculators::ui;

namespace {

struct CalculatorPictureTest : ::testing::Test, ProgramFixture {
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  // The window as a picture, in the scratch folder and in
  // KELVANE_SCREENSHOT_DIR when that is set (the pictures in docs/ are made so).
  void Save(QWidget& w, const char* name) {
    const QImage picture = w.grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 10) << name;
    EXPECT_TRUE(picture.save(QDir(testenv::scratchFolder()).filePath(QString::fromLatin1(name))));
    const QString outside = qEnvironmentVariable("KELVANE_SCREENSHOT_DIR");
    if (!outside.isEmpty()) {
      EXPECT_TRUE(picture.save(QDir(outside).filePath(QString::fromLatin1(name))));
    }
  }
};

TEST_F(CalculatorPictureTest, CalculatorsAfterACalculationDraw) {
  auto* fin = qobject_cast<FormFin*>(OpenCalculator(program, "FormFin", 1));
  fin->Option[2]->click();
  const char* entries[] = {"100000", "360", "599.55", "12"};
  for (int k = 0; k < 4; ++k) fin->Text[static_cast<std::size_t>(k)]->setText(entries[k]);
  fin->CmdAnswer->click();
  Save(*fin, "financial-calculator.png");

  auto* pension = qobject_cast<Form7*>(OpenCalculator(program, "Form7", 1));
  pension->CurrentAgeYrs->setText("40");
  pension->CurrentAgeMos->setText("0");
  pension->AgePayableYrs->setText("65");
  pension->AgePayableMos->setText("0");
  pension->HolderName->setText("Jordan Avery");
  pension->SexMale->click();
  pension->RaceWhite->click();
  pension->PensionAmount->setText("$1,000");
  pension->DiscountRate->setText(".05");
  pension->TaxRate->setText(".2");
  pension->RunDBReport->click();
  Save(*pension, "pension-calculator.png");

  auto* ira = qobject_cast<Form72t*>(OpenCalculator(program, "Form72t", 1));
  ira->HolderName->setText("Jordan Avery");
  ira->CurrentAgeYrs->setText("50");
  ira->AgeEndYrs->setText("60");
  ira->IRAAmount->setText("$100,000");
  ira->InterestRate->setText("5");
  ira->IraInterestRate->setText("6");
  ira->Run72TReport->click();
  Save(*ira, "withdrawal-72t-calculator.png");
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
