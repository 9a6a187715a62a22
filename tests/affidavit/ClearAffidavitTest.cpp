#include <gtest/gtest.h>

#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/datafile/FinDecFile.h"
#include "platform/ScriptedDialogs.h"

using namespace affidavit;

namespace {

PageElement E(const char* page, const char* array, int index = kSingle) {
  return {QLatin1String(page), QLatin1String(array), index};
}

}  // namespace

TEST(ClearAffidavit, EmptiesEntriesAndWritesTheNamesOfTheFormInUse) {
  struct Case {
    std::int16_t formType;
    bool longNames;
    bool shortNames;
  };
  for (const Case c : {Case{1, true, false}, Case{0, false, true}, Case{3, false, false}}) {
    FakeAffidavitPages pages;
    pages.SetText(E("Form12", "S2N", 0), QStringLiteral("Rent"));
    pages.SetText(E("Form121", "S2N", 0), QStringLiteral("Rent"));
    pages.SetText(E("Form12", "S1", 17), QStringLiteral("$4,000"));
    pages.SetText(E("Form121", "S1T", 2), QStringLiteral("Nurse"));
    pages.SetValue(E("Form121", "S1Check", 1), 1);
    pages.SetValue(E("Form122", "S5op", 1), 1);
    pages.SetValue(E("Form12", "FAClaim"), 1);
    pages.SetText(E("Form122", "S3T", 9), QStringLiteral("Savings bond"));
    pages.SetText(E("Form122", "S3T", 5), QStringLiteral("Bitcoin"));
    pages.SetText(E("Form122", "S4T", 29), QStringLiteral("Lawsuit"));
    pages.SetText(E("Form122", "S4T", 1), QStringLiteral("Second mortgage"));
    pages.SetText(E("Form122", "S3T", 63), QStringLiteral("Total caption"));
    pages.SetText(E("Form123", "S3T", 9), QStringLiteral("Fixed name"));
    pages.SetText(E("Form123", "S3T", 5), QStringLiteral("Typed"));
    ClearFinDecData(pages, c.formType);

    EXPECT_EQ(pages.Text(E("Form12", "S2N", 0)) != "Rent", c.longNames);
    EXPECT_EQ(pages.Text(E("Form121", "S2N", 0)) != "Rent", c.shortNames);
    EXPECT_EQ(pages.Text(E("Form12", "S1", 17)), "$");
    EXPECT_EQ(pages.Text(E("Form121", "S1T", 2)), "");
    EXPECT_EQ(pages.Value(E("Form121", "S1Check", 1)), 0);
    EXPECT_EQ(pages.Value(E("Form122", "S5op", 1)), 0);
    EXPECT_EQ(pages.Value(E("Form12", "FAClaim")), 1);
    EXPECT_EQ(pages.Text(E("Form122", "S3T", 5)), "Virtual Currency and cryptocurrency (attach schedule)");
    EXPECT_EQ(pages.Text(E("Form122", "S3T", 9)), "");  // no default name: emptied
    EXPECT_EQ(pages.Text(E("Form122", "S4T", 1)), "");
    EXPECT_EQ(pages.Text(E("Form122", "S4T", 29)), "");
    EXPECT_EQ(pages.Text(E("Form122", "S3T", 63)), "Total caption");
    EXPECT_EQ(pages.Text(E("Form123", "S3T", 9)), "Fixed name");
    EXPECT_EQ(pages.Text(E("Form123", "S3T", 5)), "");
    // Only elements the pages have are addressed.
    EXPECT_EQ(pages.Texts().count(E("Form123", "S4", 43)), 0u);
    EXPECT_EQ(pages.Values().count(E("Form122", "S5op", 8)), 0u);
    // Clearing twice gives the same pages.
    const auto texts = pages.Texts();
    const auto values = pages.Values();
    ClearFinDecData(pages, c.formType);
    EXPECT_EQ(pages.Texts(), texts);
    EXPECT_EQ(pages.Values(), values);
  }
}

TEST(ClearAffidavit, ClearFormActsOnYesAlone) {
  for (const int answer : {int{platform::kAnswerYes}, int{platform::kAnswerNo}, 0}) {
    FakeAffidavitPages pages;
    pages.SetText(E("Form12", "S1", 1), QStringLiteral("$5"));
    platform::ScriptedDialogs dialogs;
    dialogs.AnswerMessageBox(static_cast<int16_t>(answer));
    EXPECT_EQ(ClearFormCommand(pages, dialogs, 1), answer == platform::kAnswerYes);
    EXPECT_EQ(pages.Text(E("Form12", "S1", 1)), answer == platform::kAnswerYes ? "$" : "$5");
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].prompt, "Are You Sure That You Want To Delete All Entries In This Financial Declaration?");
    EXPECT_EQ(dialogs.Calls()[0].title, "Warning");
  }
}
