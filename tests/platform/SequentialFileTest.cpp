#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/SequentialFile.h"
#include "support/TestEnvironment.h"

using platform::parseSequential;
using platform::readSequentialFile;
using platform::SequentialError;
using platform::SequentialRecord;
using platform::SequentialValue;
using platform::SequentialWriter;
using Kind = SequentialValue::Kind;
using ErrorKind = SequentialError::Kind;

namespace {

SequentialValue text(const char* s) { return SequentialValue::fromText(QString::fromUtf8(s)); }
SequentialValue number(const char* s) { return *SequentialValue::fromNumberToken(s); }
const SequentialValue kEmpty;
const SequentialValue kTrue = SequentialValue::fromBoolean(true);
const SequentialValue kFalse = SequentialValue::fromBoolean(false);

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

SequentialRecord parsed(const QByteArray& bytes, int maxValues = 1000) {
  auto result = parseSequential(bytes, maxValues, "test.dat");
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message.toStdString());
  return result.ok() ? result.value() : SequentialRecord();
}

std::vector<SequentialValue> valuesOf(const SequentialRecord& record) {
  std::vector<SequentialValue> out;
  for (int slot = 1; slot <= record.count(); ++slot) out.push_back(record.at(slot));
  return out;
}

// One line of the case file's kinds: texts with commas and blanks, a position
// written as nothing, the empty text, option states, check boxes, the font name
// and sizes, and numbers with a sign and with no leading zero.
const std::vector<SequentialValue> kOneLine = {
    text("Smith, Jane"), text("2"),  kEmpty,       text(""),         kTrue,
    kFalse,             SequentialValue::fromInteger(0), SequentialValue::fromInteger(1),
    text("Tahoma"),     SequentialValue::fromCurrency(8.25), SequentialValue::fromCurrency(10),
    SequentialValue::fromInteger(-3), SequentialValue::fromSingle(-0.5f),
    text("$ 52,000.00"), text("  two blanks  "),
};

// One value a line, as the affidavit file holds them: an empty caption, option
// states, check boxes (2 greyed), the print size, the font name, the layout
// flag, the marker, an empty slot, a text with a comma and a trailing blank,
// a negative number, the font size, an amount and characters of the code page.
const std::vector<SequentialValue> kLines = {
    text(""),         kTrue,
    kFalse,           SequentialValue::fromInteger(0),
    SequentialValue::fromInteger(2), SequentialValue::fromInteger(9),
    text("Tahoma"),   SequentialValue::fromInteger(1),
    text("Form2015"), kEmpty,
    text("Rent, utilities "), SequentialValue::fromInteger(-12),
    SequentialValue::fromCurrency(8.25), text("$ 1,250.50"),
    text("Peña – € 5"),
};

}  // namespace

TEST(SequentialFile, WriterMatchesTheGoldenFiles) {
  SequentialWriter oneLine;
  oneLine.writeLine(kOneLine);
  EXPECT_EQ(oneLine.bytes(), fileBytes(testenv::dataFile("seqfile/one-line.pvx")));
  EXPECT_EQ(oneLine.count(), 15);

  SequentialWriter lines;
  for (const SequentialValue& v : kLines) lines.writeLine(v);
  EXPECT_EQ(lines.bytes(), fileBytes(testenv::dataFile("seqfile/lines.fin")));
}

TEST(SequentialFile, GoldenFilesReadBackExactly) {
  const struct { const char* file; const std::vector<SequentialValue>& values; } cases[] = {
      {"seqfile/one-line.pvx", kOneLine},
      {"seqfile/lines.fin", kLines},
  };
  for (const auto& c : cases) {
    const auto result = readSequentialFile(testenv::dataFile(c.file), 2000);
    ASSERT_TRUE(result.ok()) << result.error().message.toStdString();
    EXPECT_EQ(valuesOf(result.value()), c.values) << c.file;
  }
  const SequentialRecord line = readSequentialFile(testenv::dataFile("seqfile/one-line.pvx"), 20).value();
  EXPECT_EQ(line.textAt(1).value(), "Smith, Jane");
  EXPECT_EQ(line.textAt(3).value(), "");  // nothing reads as the empty text
  EXPECT_TRUE(line.booleanAt(5).value());
  EXPECT_EQ(line.int16At(8).value(), 1);
  EXPECT_EQ(line.doubleAt(10).value(), 8.25);
  EXPECT_EQ(line.singleAt(13).value(), -0.5f);
}

TEST(SequentialFile, NumbersAreSpelledInTheirShortestForm) {
  const struct { SequentialValue value; const char* spelled; } cases[] = {
      {SequentialValue::fromInteger(0), "0"},
      {SequentialValue::fromInteger(-32768), "-32768"},
      {SequentialValue::fromSingle(0.0f), "0"},
      {SequentialValue::fromSingle(-0.0f), "0"},
      {SequentialValue::fromSingle(10.0f), "10"},
      {SequentialValue::fromSingle(0.5f), ".5"},            // no leading zero
      {SequentialValue::fromSingle(-0.25f), "-.25"},
      {SequentialValue::fromSingle(0.1f), ".1"},
      {SequentialValue::fromSingle(52000.01f), "52000.01"},
      {SequentialValue::fromSingle(1000.0001f), "1000.0001"},  // 7 digits would give 1000
      {SequentialValue::fromSingle(1234567.0f), "1234567"},
      {SequentialValue::fromSingle(16777216.0f), "1.6777216E+07"},  // first digit at 10^7
      {SequentialValue::fromSingle(1e20f), "1E+20"},
      {SequentialValue::fromSingle(0.0001f), ".0001"},
      {SequentialValue::fromSingle(-2.5e-7f), "-2.5E-07"},
      {SequentialValue::fromDouble(0.1 + 0.2), ".30000000000000004"},
      {SequentialValue::fromDouble(123456789012345.0), "123456789012345"},
      {SequentialValue::fromDouble(1e15), "1E+15"},
      {SequentialValue::fromDouble(-1.5e-300), "-1.5E-300"},
      {SequentialValue::fromCurrency(9), "9"},
      {SequentialValue::fromCurrency(9.75), "9.75"},
      {SequentialValue::fromCurrency(-8.25), "-8.25"},
      {SequentialValue::fromCurrency(0.5), ".5"},
      {SequentialValue::fromCurrency(1234567.89126), "1234567.8913"},  // four decimals
      {SequentialValue::fromCurrency(0.00005), "0"},                   // half to even
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.kind(), Kind::Number);
    EXPECT_EQ(c.value.text(), c.spelled);
  }
}

TEST(SequentialFile, FloatsAndDoublesReadBackToTheSameValue) {
  std::vector<float> floats = {1000.0001f, 0.1f, 1.0f / 3, -52000.01f, FLT_MAX, FLT_MIN,
                               std::numeric_limits<float>::denorm_min(), 16777217.0f,
                               std::nextafter(1.0f, 2.0f)};
  // And a spread over every binade: one float in every 99,991 bit patterns.
  for (std::uint32_t bits = 0; bits < 0x7F800000u; bits += 99991u)
    floats.push_back(std::bit_cast<float>(bits));
  std::vector<SequentialValue> written;
  for (float f : floats) written.push_back(SequentialValue::fromSingle(f));
  SequentialWriter writer;
  writer.writeLine(written);
  const SequentialRecord record = parsed(writer.bytes(), static_cast<int>(floats.size()));
  ASSERT_EQ(record.count(), static_cast<int>(floats.size()));
  for (std::size_t i = 0; i < floats.size(); ++i) {
    const auto back = record.singleAt(static_cast<int>(i) + 1);
    ASSERT_TRUE(back.ok()) << written[i].text().toStdString();
    ASSERT_EQ(std::bit_cast<std::uint32_t>(back.value()), std::bit_cast<std::uint32_t>(floats[i]))
        << written[i].text().toStdString();
  }

  for (double d : {0.1 + 0.2, 1.0 / 3, 1e300, 5e-324, 1000.0001, -123456.789}) {
    const auto back = SequentialValue::fromDouble(d).toDouble();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, d);
  }
}

TEST(SequentialFile, QuoteInsideATextIsWrittenAsApostrophe) {
  SequentialWriter writer;
  writer.writeLine(std::vector{text("He said \"no, never\""), text("next"), kTrue});
  EXPECT_EQ(writer.bytes(), "\"He said 'no, never'\",\"next\",#TRUE#\r\n");
  const SequentialRecord record = parsed(writer.bytes());
  ASSERT_EQ(record.count(), 3);  // the later values keep their places
  EXPECT_EQ(record.textAt(1).value(), "He said 'no, never'");
  EXPECT_EQ(record.textAt(2).value(), "next");
}

TEST(SequentialFile, TextsKeepLineBreaksAndCodePageCharacters) {
  const QString multiLine = "12 Oak St.\r\nApt. 4\nSpringfield";
  SequentialWriter writer;
  writer.writeLine(SequentialValue::fromText(multiLine));
  writer.writeLine(std::vector{text("日本"), text("a😀b"), SequentialValue::fromText(QString(QChar(0)))});
  writer.writeLine(SequentialValue::fromInteger(7));
  EXPECT_TRUE(writer.bytes().endsWith("\"??\",\"a?b\",\"?\"\r\n7\r\n"));  // outside the code page: "?"
  const SequentialRecord record = parsed(writer.bytes());
  ASSERT_EQ(record.count(), 5);
  EXPECT_EQ(record.textAt(1).value(), multiLine);
  EXPECT_EQ(record.int16At(5).value(), 7);
}

TEST(SequentialFile, ReaderRules) {
  const struct {
    const char* name;
    QByteArray bytes;
    std::vector<SequentialValue> values;
    int maxValues = 100;
  } cases[] = {
      {"empty file", "", {}},
      {"empty line is one empty value", "\r\n", {kEmpty}},
      {"comma promises one more value", "1,", {number("1"), kEmpty}},
      {"comma before line end", "1,\r\n2\r\n", {number("1"), kEmpty, number("2")}},
      {"two commas hold nothing", "1,,2", {number("1"), kEmpty, number("2")}},
      {"no line end at the end", "\"a\",#FALSE#", {text("a"), kFalse}},
      {"lone LF and lone CR end lines", "1\n2\r3", {number("1"), number("2"), number("3")}},
      {"line ends separate like commas", "1,2\r\n3", {number("1"), number("2"), number("3")}},
      {"blanks around values", "  \"a b\"  , \t7 ,  #TRUE# \r\n", {text("a b"), number("7"), kTrue}},
      {"blank-only value is empty", "1,   ,2", {number("1"), kEmpty, number("2")}},
      {"comma and line end inside quotes", "\"x,\r\ny\",2", {text("x,\r\ny"), number("2")}},
      {"number forms", "+1.5,0.5,5.,1D3,-2e-1",
       {number("+1.5"), number("0.5"), number("5."), number("1D3"), number("-2e-1")}},
      {"null", "#NULL#", {SequentialValue::null()}},
      {"values past the most asked are not read", "1,2,3,garbage\"",
       {number("1"), number("2"), number("3")}, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(valuesOf(parsed(c.bytes, c.maxValues)), c.values) << c.name;

  const SequentialRecord forms = parsed("+1.5,0.5,5.,1D3,-2e-1");
  EXPECT_EQ(forms.doubleAt(1).value(), 1.5);
  EXPECT_EQ(forms.doubleAt(4).value(), 1000);
  EXPECT_EQ(forms.doubleAt(5).value(), -0.2);
}

TEST(SequentialFile, DamagedValuesAreReportedWithTheirPlace) {
  const struct {
    const char* name;
    QByteArray bytes;
    ErrorKind kind;
    int slot, line;
    QByteArray badText;
  } cases[] = {
      {"bare word", "1,2,abc,4", ErrorKind::DamagedValue, 3, 1, "abc"},
      {"word on a later line", "1\r\n2\r\n\"a\"\r\n1.2.3\r\n", ErrorKind::DamagedValue, 4, 4, "1.2.3"},
      {"line count runs on through texts", "\"a\r\nb\",x", ErrorKind::DamagedValue, 2, 2, "x"},
      {"no closing quote", "\"a\",\"Smith, J\r\n1,2", ErrorKind::DamagedValue, 2, 1, "\"Smith, J"},
      {"quote inside a text", "\"a\",\"say \"hi\" now\",3", ErrorKind::DamagedValue, 2, 1,
       "\"say \"hi\" now\""},
      {"lower-case Boolean", "1,#true#", ErrorKind::DamagedValue, 2, 1, "#true#"},
      {"zero byte in a text", QByteArray("1,\"a\0b\"", 7), ErrorKind::DamagedValue, 2, 1,
       QByteArray("\"a\0b\"", 5)},
      {"foreign file", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", ErrorKind::NotThisFormat, 1, 1, "%PDF-1.4"},
  };
  for (const auto& c : cases) {
    const auto result = parseSequential(c.bytes, 100, "/data/case.pvx");
    ASSERT_FALSE(result.ok()) << c.name;
    const SequentialError& e = result.error();
    EXPECT_EQ(e.kind, c.kind) << c.name;
    EXPECT_EQ(e.slot, c.slot) << c.name;
    EXPECT_EQ(e.line, c.line) << c.name;
    EXPECT_EQ(e.badText, QString::fromLatin1(c.badText)) << c.name;
    EXPECT_TRUE(e.message.contains("/data/case.pvx")) << c.name;
  }
  const auto word = parseSequential("1,2,abc,4", 100, "case.pvx");
  EXPECT_EQ(word.error().message,
            "The file \"case.pvx\" is damaged at value 3 (line 1): \"abc\" is neither a number, a "
            "quoted text, #TRUE# nor #FALSE#.");
}

// A damaged or foreign file's message quotes a short, readable excerpt of
// the bad value: its first line, printable characters only, at most 40 of
// them and "..." where it was cut.
TEST(SequentialFile, BadValuesAreQuotedAsAShortReadableExcerpt) {
  const struct {
    const char* name;
    QByteArray bytes;
    const char* quoted;
  } cases[] = {
      {"control and undefined bytes", QByteArray("1,\x01\x02\x7f\x81" "abc\x90\x1b,3"), "\"abc\" is neither"},
      {"a text running over lines", "1,\"first line\r\nsecond line\"x,3", "quote of a text: \"first line...."},
      {"a long run of bytes", "1," + QByteArray(300, 'x') + ",3", "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\""},
      {"a foreign file", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "(\"\u2030PNG\" is neither"},
  };
  for (const auto& c : cases) {
    const auto result = parseSequential(c.bytes, 100, "case.pvx");
    ASSERT_FALSE(result.ok()) << c.name;
    const QString& message = result.error().message;
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.quoted))) << c.name << ": " << message.toStdString();
    for (const QChar ch : message)
      EXPECT_TRUE(ch.isPrint() && (ch.unicode() < 0x7f || ch.unicode() >= 0xa0)) << c.name << ": " << int(ch.unicode());
    EXPECT_LT(message.size(), 160) << c.name;
  }
}

TEST(SequentialFile, TypedReadingReportsSlotAndKind) {
  const SequentialRecord record = parsed("\"abc\",1.5,40000,0,#TRUE#,1E+39,#NULL#");
  const auto wrong = [&](auto result, int slot, const char* found) {
    ASSERT_FALSE(result.ok()) << slot;
    EXPECT_EQ(result.error().kind, ErrorKind::WrongKind);
    EXPECT_EQ(result.error().slot, slot);
    EXPECT_TRUE(result.error().message.contains(QString("Value %1 ").arg(slot)));
    EXPECT_TRUE(result.error().message.contains(found)) << result.error().message.toStdString();
  };
  wrong(record.int16At(1), 1, "the text \"abc\"");
  wrong(record.int16At(2), 2, "the number 1.5");  // a fraction is no whole number
  wrong(record.int16At(3), 3, "the number 40000");
  wrong(record.booleanAt(4), 4, "the number 0");
  wrong(record.textAt(5), 5, "#TRUE#");
  wrong(record.singleAt(6), 6, "the number 1E+39");  // beyond single precision
  wrong(record.doubleAt(7), 7, "#NULL#");
  EXPECT_EQ(record.doubleAt(6).value(), 1e39);

  // A slot past the end of the file holds the empty value.
  EXPECT_EQ(record.at(8).kind(), Kind::Empty);
  EXPECT_EQ(record.textAt(8).value(), "");
  EXPECT_FALSE(record.booleanAt(8).value());
  EXPECT_EQ(record.int16At(8).value(), 0);
}

TEST(SequentialFile, OnlyWholeBlocksCount) {
  const std::vector<int> blocks = {3, 2, 1, 2};
  const struct { int values; int blocks; int endsAfter; } cases[] = {
      {3, 1, 0}, {5, 2, 0}, {6, 3, 0}, {8, 4, 0}, {10, 4, 0},  // values past the last block: ignored
      {0, 0, 0}, {2, 0, 2},                                     // the first block must be whole
      {4, 0, 4}, {7, 0, 7},                                     // ends inside a later block
  };
  for (const auto& c : cases) {
    QByteArray bytes;
    for (int i = 0; i < c.values; ++i) bytes += "1\r\n";
    const auto result = parsed(bytes).wholeBlocks(blocks);
    if (c.endsAfter == 0 && c.values >= 3) {
      ASSERT_TRUE(result.ok()) << c.values;
      EXPECT_EQ(result.value(), c.blocks) << c.values;
    } else {
      ASSERT_FALSE(result.ok()) << c.values;
      EXPECT_EQ(result.error().kind, ErrorKind::EndsEarly);
      EXPECT_EQ(result.error().slot, c.values + 1);
    }
  }
  EXPECT_EQ(parsed("1,1").wholeBlocks(blocks).error().message,
            "The file \"test.dat\" ends after value 2; it must hold at least 3 values.");
  EXPECT_EQ(parsed("1,1,1,1").wholeBlocks(blocks).error().message,
            "The file \"test.dat\" ends after value 4, inside the block of values 4 to 5.");
}

TEST(SequentialFile, ReadingFilesThatCannotBeRead) {
  const QString folder = testenv::scratchFolder();
  const auto missing = readSequentialFile(folder + "/none.pvx", 399);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::Missing);
  EXPECT_EQ(missing.error().message, "The file \"" + folder + "/none.pvx\" does not exist.");

  const auto aFolder = readSequentialFile(folder, 399);
  ASSERT_FALSE(aFolder.ok());
  EXPECT_EQ(aFolder.error().kind, ErrorKind::Unreadable);

  const QString huge = folder + "/huge.pvx";
  QFile f(huge);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(17 * 1024 * 1024));
  f.close();
  EXPECT_EQ(readSequentialFile(huge, 399).error().kind, ErrorKind::NotThisFormat);
}

TEST(SequentialFile, SaveReplacesTheFileWhole) {
  const QString path = testenv::scratchFolder() + "/case.pvx";
  writeBytes(path, "old contents, much longer than the new ones\r\n");
  SequentialWriter writer;
  writer.writeLine(std::vector{text("new"), kFalse});
  ASSERT_FALSE(writer.save(path).has_value());
  EXPECT_EQ(fileBytes(path), "\"new\",#FALSE#\r\n");
  EXPECT_EQ(QDir(testenv::scratchFolder()).entryList(QDir::Files), QStringList{"case.pvx"});
}

TEST(SequentialFile, FailedSaveLeavesTheOldFileAndSaysWhy) {
  const QString folder = testenv::scratchFolder();
  SequentialWriter writer;
  writer.writeLine(text("new"));

  // No folder of that name; a "folder" that is a file.
  writeBytes(folder + "/plain", "x");
  for (const QString& path : {folder + "/no such folder/case.pvx", folder + "/plain/case.pvx"}) {
    const auto error = writer.save(path);
    ASSERT_TRUE(error.has_value()) << path.toStdString();
    EXPECT_EQ(error->kind, ErrorKind::NotSaved);
    EXPECT_EQ(error->path, path);
    EXPECT_TRUE(error->message.startsWith("The file \"" + path + "\" could not be saved: "))
        << error->message.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(folder + "/no such folder"));

  // An old file whose temporary cannot be made beside it (its name is as long as
  // a name may be, so the temporary's longer one is refused by the file system).
  const QString old = folder + "/" + QString(250, u'c') + ".pvx";
  writeBytes(old, "\"old\"\r\n");
  const auto tooLong = writer.save(old);
  ASSERT_TRUE(tooLong.has_value());
  EXPECT_EQ(tooLong->kind, ErrorKind::NotSaved);
  EXPECT_EQ(fileBytes(old), "\"old\"\r\n");

  // A number that no file can hold: nothing is written at all.
  SequentialWriter bad;
  bad.writeLine(std::vector{text("a"), SequentialValue::fromSingle(NAN), SequentialValue::fromDouble(INFINITY)});
  const auto unwritable = bad.save(old);
  ASSERT_TRUE(unwritable.has_value());
  EXPECT_EQ(unwritable->slot, 2);
  EXPECT_TRUE(unwritable->message.contains("value 2 is not a finite number"));
  EXPECT_EQ(fileBytes(old), "\"old\"\r\n");
  EXPECT_FALSE(SequentialValue::fromCurrency(1e300).isWritable());

  EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{QFileInfo(old).fileName(), "plain"}));
}
