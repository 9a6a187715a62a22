#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QList>

#include <map>

#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/datafile/FinDecFile.h"
#include "support/TestEnvironment.h"

using namespace affidavit;
using platform::SequentialValue;

namespace {

PageElement E(const char* page, const char* array, int index = kSingle) {
  return {QLatin1String(page), QLatin1String(array), index};
}

QList<QByteArray> Lines(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  lines.removeLast();  // after the last line end
  return lines;
}

// Fills every element a form's save writes with a distinct entry.
void FillForm(FakeAffidavitPages& pages, AffidavitMode mode) {
  for (const auto* map : {mode == kLongForm ? &LongFormSaveSlots() : &ShortFormSaveSlots(), &BothFormsSaveSlots()}) {
    for (const SlotSource& s : *map) {
      if (s.kind == SlotKind::Text) pages.SetText(s.element, QStringLiteral("v%1, ").arg(s.slot));
      else if (s.kind == SlotKind::Check) pages.SetValue(s.element, s.slot % 3);
      else pages.SetValue(s.element, s.slot % 2);
    }
  }
}

FinDecFile Parsed(const QByteArray& bytes) {
  const auto file = ParseFinDec(bytes, QStringLiteral("test.FIN"));
  EXPECT_TRUE(file.ok()) << (file.ok() ? QString() : file.error().message).toStdString();
  return file.ok() ? file.value() : FinDecFile{};
}

}  // namespace

TEST(FinDecFile, EmptyLongSaveHasEveryLineOfItsKind) {
  FakeAffidavitPages pages;
  const QByteArray bytes = FinDecBytes(BuildFinDecRecord(pages, {}));
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  const QList<QByteArray> lines = Lines(bytes);
  ASSERT_EQ(lines.size(), kFinDecSlots);
  std::map<QByteArray, int> counts;
  QList<int> empty;
  for (int slot = 1; slot <= kFinDecSlots; ++slot) {
    QByteArray line = lines[slot - 1];
    ASSERT_TRUE(line.endsWith('\r')) << slot;
    line.chop(1);
    if (line.isEmpty()) empty << slot;
    else if (line.startsWith('"')) counts["text"]++;
    else if (line == "#FALSE#") counts["option"]++;
    else if (line == "0") counts["check"]++;
    else counts[line]++;
  }
  EXPECT_EQ(empty, (QList<int>{936, 1000, 1064, 1170, 1176, 1209, 1210, 1211, 1212, 1213, 1214, 1215, 1221, 1238}));
  EXPECT_EQ(counts["text"], 1022);
  EXPECT_EQ(counts["check"], 216);
  EXPECT_EQ(counts["option"], 15);
  EXPECT_EQ(lines[836], "1\r");
  EXPECT_EQ(lines[837], "9\r");
  EXPECT_EQ(lines[755], "9\r");
  EXPECT_EQ(lines[756], "\"Tahoma\"\r");
  EXPECT_EQ(lines[864], "\"Form2015\"\r");
  EXPECT_EQ(lines[6], "\"\"\r");
}

TEST(FinDecFile, LongFormRoundTripKeepsCommasSpacesAndGreyedChecks) {
  for (const AffidavitMode mode : {kLongForm, kShortForm}) {
    FakeAffidavitPages pages;
    FillForm(pages, mode);
    pages.SetText(E("Form122", "S3T", 4), QStringLiteral("  House, boat and car  "));
    pages.SetValue(E("Form122", "S3c", 4), 2);
    FinDecSettings settings;
    settings.formType = mode;
    settings.font.name = QStringLiteral("Arial");
    const QByteArray bytes = FinDecBytes(BuildFinDecRecord(pages, settings));
    // Two saves of the same pages are the same bytes.
    EXPECT_EQ(bytes, FinDecBytes(BuildFinDecRecord(pages, settings)));

    FakeAffidavitPages opened;
    FinDecSettings after;
    after.formType = mode == kLongForm ? kShortForm : kLongForm;
    RestoreFinDec(opened, Parsed(bytes), after);
    EXPECT_EQ(after.formType, mode);
    EXPECT_EQ(after.font.name, "Arial");
    const auto& restore = mode == kLongForm ? LongFormRestoreSlots() : ShortFormRestoreSlots();
    for (const SlotSource& s : restore) {
      if (s.element.array == QLatin1String("S4T") && (s.slot == 720 || s.slot == 726 || s.slot == 732))
        continue;  // totals captions
      if (s.kind == SlotKind::Text) EXPECT_EQ(opened.Text(s.element), pages.Text(s.element)) << ElementLabel(s.element).toStdString();
      else EXPECT_EQ(opened.Value(s.element), pages.Value(s.element)) << ElementLabel(s.element).toStdString();
    }
    for (const SlotSource& s : ExpenseLabelSlots(mode)) EXPECT_EQ(opened.Text(s.element), pages.Text(s.element));
    for (const RepeatedSlot& r : RepeatedSlots(mode)) EXPECT_EQ(opened.Text(r.element), pages.Text(r.element));
    if (mode == kLongForm) {
      EXPECT_EQ(opened.Text(E("Form122", "S3T", 4)), "  House, boat and car  ");
      EXPECT_EQ(opened.Value(E("Form122", "S3c", 4)), 2);
      // The other form's pages stay as they were, but for the short page's mark columns.
      EXPECT_TRUE(opened.Text(E("Form121", "S2N", 0)).isEmpty());
      EXPECT_EQ(opened.Value(E("Form123", "s3cw", 17)), pages.Value(E("Form123", "s3cw", 17)));
    } else {
      for (const auto& [element, text] : opened.Texts())
        EXPECT_TRUE(element.page != QLatin1String("Form12") || element.array == QLatin1String("S3T") ||
                    element.array == QLatin1String("S4T"))
            << ElementLabel(element).toStdString();
    }
    // Totals captions are written on every open.
    EXPECT_EQ(opened.Text(E("Form122", "S4T", 39)), "Total Possible Amount Owed on Contingent Liabilities");
  }
}

// A file saved with the contingent liabilities total caption misspelt (as
// earlier versions wrote it on every open) opens with the caption corrected.
TEST(FinDecFile, MisspeltTotalsCaptionOpensCorrected) {
  const QString misspelt = QStringLiteral("Total Possiible Amount Owed on Contingent Liabilities");
  FakeAffidavitPages pages;
  pages.SetText(E("Form122", "S4T", 39), misspelt);
  const QByteArray bytes = FinDecBytes(BuildFinDecRecord(pages, {}));
  ASSERT_EQ(Lines(bytes)[731], "\"" + misspelt.toLatin1() + "\"\r");
  FakeAffidavitPages opened;
  opened.SetText(E("Form122", "S4T", 39), misspelt);
  FinDecSettings after;
  RestoreFinDec(opened, Parsed(bytes), after);
  EXPECT_EQ(opened.Text(E("Form122", "S4T", 39)), "Total Possible Amount Owed on Contingent Liabilities");
}

// A file that holds a default name as earlier versions wrote it misspelt
// opens with the name corrected, in both forms; a name the user typed (even
// one that holds the misspelt word) opens as typed.
TEST(FinDecFile, MisspeltDefaultNamesOpenCorrected) {
  for (AffidavitMode mode : {kLongForm, kShortForm}) {
    FakeAffidavitPages pages;
    FillForm(pages, mode);
    for (const LabelCorrection& c : MisspeltDefaultLabels())
      pages.SetText(E(c.page, c.array, c.index), QString::fromLatin1(c.misspelt));
    pages.SetText(E("Form12", "S2N", 15), " Tobacco, alchohol, and vaping (cigars)");
    FinDecSettings settings;
    settings.formType = mode;
    const QByteArray bytes = FinDecBytes(BuildFinDecRecord(pages, settings));
    FakeAffidavitPages opened;
    FinDecSettings after;
    RestoreFinDec(opened, Parsed(bytes), after);
    int corrected = 0;
    for (const LabelCorrection& c : MisspeltDefaultLabels()) {
      const QString text = opened.Text(E(c.page, c.array, c.index));
      EXPECT_NE(text, QString::fromLatin1(c.misspelt)) << mode << " " << c.page << c.array << c.index;
      corrected += text == QString::fromLatin1(c.text);
    }
    EXPECT_EQ(corrected, mode == kLongForm ? 5 : 1) << mode;  // the names each form's file carries
    if (mode == kLongForm) {
      EXPECT_EQ(opened.Text(E("Form12", "S2NNew", 13)), " Tobacco, alcohol, and vaping");
      EXPECT_EQ(opened.Text(E("Form12", "S2N", 15)), " Tobacco, alchohol, and vaping (cigars)");
      EXPECT_EQ(opened.Text(E("Form122", "S3T", 52)), "Firearms and ammunition");
    } else {
      EXPECT_EQ(opened.Text(E("Form121", "S2N", 0)), "Mortgage or rent");
    }
  }
}

TEST(FinDecFile, RepeatedSlotsHoldEqualValues) {
  FakeAffidavitPages pages;
  FillForm(pages, kLongForm);
  const auto record = BuildFinDecRecord(pages, {});
  for (const RepeatedSlot& r : RepeatedSlots(kLongForm)) {
    if (r.earlier == 0) continue;
    EXPECT_EQ(record[r.earlier - 1], record[r.later - 1]) << r.later;
    EXPECT_EQ(record[r.later - 1].text(), pages.Text(r.element));
  }
}

TEST(FinDecFile, ShortFormMapExamples) {
  FakeAffidavitPages pages;
  pages.SetValue(E("Form121", "S1Check", 1), 1);
  pages.SetValue(E("Form12", "S1Check", 1), 0);
  pages.SetValue(E("Form12", "S1Check", 3), 1);
  pages.SetValue(E("Form123", "s3cw", 17), 1);
  pages.SetText(E("Form121", "S1T", 0), QStringLiteral("2"));
  pages.SetText(E("Form12", "S1", 33), QStringLiteral("$7"));
  FinDecSettings settings;
  settings.formType = kShortForm;
  const QList<QByteArray> lines = Lines(FinDecBytes(BuildFinDecRecord(pages, settings)));
  const auto line = [&](int slot) { return lines[slot - 1].chopped(1); };
  EXPECT_EQ(line(837), "0");
  EXPECT_EQ(line(37), "1");   // the short page's unemployment box
  EXPECT_EQ(line(39), "1");   // the long page's check boxes 2-4
  EXPECT_EQ(line(419), "1");  // s3cw(17)
  for (int slot = 420; slot <= 465; ++slot) EXPECT_EQ(line(slot), "\"\"") << slot;
  for (int slot : {591, 599, 777, 787, 1267, 1268, 8, 72}) EXPECT_EQ(line(slot), "") << slot;
  for (int slot : {631, 639, 228, 548, 711}) EXPECT_EQ(line(slot), "\"\"") << slot;
  EXPECT_EQ(line(768), "\"2\"");
  EXPECT_EQ(line(1269), "\"2\"");
  EXPECT_EQ(line(759), "\"$7\"");  // the long page's S1(33) in both forms
  EXPECT_EQ(line(600), "0");       // S4c(27), written and not read back

  // The amended boxes of the two forms are separate.
  pages.SetValue(E("Form121", "FaAmended"), 1);
  FakeAffidavitPages opened;
  opened.SetValue(E("Form12", "FaAmended"), 0);
  FinDecSettings after;
  RestoreFinDec(opened, Parsed(FinDecBytes(BuildFinDecRecord(pages, settings))), after);
  EXPECT_EQ(opened.Value(E("Form121", "FaAmended")), 1);
  EXPECT_EQ(opened.Value(E("Form121", "S1Check", 1)), 1);
  EXPECT_EQ(opened.Value(E("Form123", "s3cw", 17)), 1);
  EXPECT_EQ(opened.Texts().count(E("Form12", "S1Check", 3)), 0u);
  EXPECT_EQ(opened.Values().count(E("Form12", "FaAmended")), 1u);
  EXPECT_EQ(opened.Value(E("Form12", "FaAmended")), 0);
  EXPECT_EQ(opened.Values().count(E("Form123", "S4c", 27)), 0u);
}

// Which lengths open, and how.
TEST(FinDecFile, OpenByLength) {
  FakeAffidavitPages pages;
  FillForm(pages, kLongForm);
  const QList<QByteArray> lines = Lines(FinDecBytes(BuildFinDecRecord(pages, {})));
  const auto firstLines = [&](int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += lines[i % lines.size()] + '\n';
    return bytes;
  };
  struct Case {
    int count;
    bool opens;
  };
  const Case cases[] = {{0, false},    {767, false},  {768, true},   {769, false},  {836, false}, {852, true},
                        {853, false},  {854, true},   {860, false},  {864, true},   {865, true},  {866, true},
                        {868, false},  {869, true},   {872, true},   {873, false},  {1000, false}, {1258, true},
                        {1259, false}, {1269, false}, {1270, true},  {1300, true}};
  for (const Case& c : cases) {
    const auto file = ParseFinDec(firstLines(c.count), QStringLiteral("Case.FIN"));
    EXPECT_EQ(file.ok(), c.opens) << c.count;
    if (!file.ok()) EXPECT_TRUE(file.error().message.contains(QLatin1String("Case.FIN"))) << c.count;
    else EXPECT_EQ(file.value().older, c.count == 768) << c.count;
  }

  // An older file: long form, the older names, its Section I boxes from their earlier slots.
  FakeAffidavitPages opened;
  FinDecSettings after;
  after.formType = kShortForm;
  RestoreFinDec(opened, Parsed(firstLines(768)), after);
  EXPECT_EQ(after.formType, kLongForm);
  EXPECT_EQ(opened.Text(E("Form12", "S2N", 16)), " Alarm service contract");
  EXPECT_EQ(opened.Text(E("Form12", "S2NNew", 1)), " Subscription streaming services");
  EXPECT_EQ(opened.Text(E("Form12", "S2New", 1)), "");
  EXPECT_EQ(opened.Text(E("Form12", "S1", 33)), pages.Text(E("Form12", "S1", 33)));
  EXPECT_EQ(opened.Text(E("Form12", "S1T", 22)), pages.Text(E("Form12", "S1T", 22)));
  EXPECT_EQ(opened.Text(E("Form12", "S1T", 0)), pages.Text(E("Form12", "S1T", 0)));
  EXPECT_EQ(opened.Text(E("Form12", "S1", 0)), "");

  // A file that ends after 1,258 values keeps what it carries twice.
  FakeAffidavitPages opened1258;
  RestoreFinDec(opened1258, Parsed(firstLines(1258)), after);
  EXPECT_EQ(opened1258.Text(E("Form12", "S1", 37)), pages.Text(E("Form12", "S1", 37)));
  EXPECT_EQ(opened1258.Text(E("Form12", "S2N", 16)), pages.Text(E("Form12", "S2N", 16)));
}

TEST(FinDecFile, FormFlagDecidesTheForm) {
  FakeAffidavitPages pages;
  QList<SequentialValue> record = BuildFinDecRecord(pages, {});
  struct Case {
    SequentialValue flag;
    bool opens;
    AffidavitMode mode;
  };
  const Case cases[] = {
      {SequentialValue::fromInteger(1), true, kLongForm},
      {SequentialValue::fromInteger(0), true, kShortForm},
      {SequentialValue::fromInteger(3), true, kShortForm},
      {SequentialValue::fromText(QStringLiteral("1")), false, kLongForm},
      {SequentialValue(), false, kLongForm},
      {SequentialValue::fromDouble(1.5), false, kLongForm},
  };
  for (const Case& c : cases) {
    record[kFinDecFlagSlot - 1] = c.flag;
    const auto file = ParseFinDec(FinDecBytes(record), QStringLiteral("Flag.FIN"));
    ASSERT_EQ(file.ok(), c.opens) << c.flag.describe().toStdString();
    if (c.opens) {
      FinDecSettings after;
      FakeAffidavitPages opened;
      RestoreFinDec(opened, file.value(), after);
      EXPECT_EQ(after.formType, c.mode);
    }
  }
}

TEST(DefaultLabels, ListsAndTheirTexts) {
  EXPECT_EQ(FDLongExpenseLabels().size(), 84u);
  EXPECT_EQ(FDShortExpenseLabels().size(), 36u);
  EXPECT_EQ(FDAssetLabels().size(), 26u);
  EXPECT_EQ(FDLiabilityLabels().size(), 11u);
  EXPECT_EQ(FDTotalsLabels().size(), 7u);
  int differ = 0;
  for (std::size_t i = 0; i < 84; ++i)
    differ += QLatin1String(FDLongExpenseLabels()[i].text) != QLatin1String(FDOlderFileExpenseLabels()[i].text);
  EXPECT_EQ(differ, 3);  // names of the older form; its misspelt ones are corrected
  FakeAffidavitPages pages;
  ApplyLabels(pages, FDLongExpenseLabels());
  ApplyLabels(pages, FDTotalsLabels());
  EXPECT_EQ(pages.Text(E("Form12", "S2N", 67)), " Health insurance (if not listed on Lines 23 of deductions or 50 expenses)");
  EXPECT_EQ(pages.Text(E("Form12", "S2NNew", 13)), " Tobacco, alcohol, and vaping");
  EXPECT_EQ(pages.Text(E("Form12", "S2N", 35)), pages.Text(E("Form12", "S2N", 50)));
  EXPECT_EQ(pages.Text(E("Form122", "S4T", 40)), "Total Amount Owed on Nonmarital Liabilities (add column C)");
  EXPECT_EQ(QLatin1String(FDOlderFileExpenseLabels()[51].text),
            QLatin1String(" Cost required to exercise time-sharing (supervised visitation, travel and lodging expenses)"));
  EXPECT_EQ(QLatin1String(FDOlderFileExpenseLabels()[17].text), QLatin1String(" Alarm service contract"));
}

// An amount box takes no amount beyond the program's limit, so a file that
// gives it one is refused; description boxes take any text.
TEST(FinDecFile, AnAmountBeyondTheLimitIsRefused) {
  const auto slotOf = [](AffidavitMode mode, const PageElement& element) {
    for (const SlotSource& s : mode == kLongForm ? LongFormSaveSlots() : ShortFormSaveSlots())
      if (s.element == element) return s.slot;
    return 0;
  };
  const struct {
    AffidavitMode mode;
    PageElement element;
    SequentialValue value;
    bool opens;
  } cases[] = {
      {kLongForm, E("Form12", "S2", 1), SequentialValue::fromText(QStringLiteral("$ 999,999,999,999")), true},
      {kLongForm, E("Form12", "S2", 1), SequentialValue::fromText(QStringLiteral("$1,000,000,000,000")), false},
      {kLongForm, E("Form122", "S3", 0), SequentialValue::fromDouble(1e300), false},
      {kShortForm, E("Form121", "S1", 2), SequentialValue::fromText(QStringLiteral("1E+300")), false},
      {kLongForm, E("Form122", "S3c", 0), SequentialValue::fromText(QStringLiteral("1E+300")), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.describe().toStdString());
    const int slot = slotOf(c.mode, c.element);
    ASSERT_GT(slot, 0);
    FakeAffidavitPages pages;
    FinDecSettings settings;
    settings.formType = c.mode;
    QList<SequentialValue> record = BuildFinDecRecord(pages, settings);
    record[slot - 1] = c.value;
    const auto file = ParseFinDec(FinDecBytes(record), QStringLiteral("Big.FIN"));
    ASSERT_EQ(file.ok(), c.opens);
    if (!c.opens) {
      EXPECT_EQ(file.error().slot, slot);
      EXPECT_TRUE(file.error().message.contains(QStringLiteral("above $999,999,999,999")))
          << file.error().message.toStdString();
    }
  }
}
