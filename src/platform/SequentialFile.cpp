#include "platform/SequentialFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/AnsiText.h"
#include "platform/TextHelpers.h"

namespace platform {

namespace {

// Data files of this program are a few dozen kilobytes; a file far larger is
// not read into memory at all.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

SequentialError fileError(SequentialError::Kind kind, const QString& path, const QString& message) {
  SequentialError e;
  e.kind = kind;
  e.path = path;
  e.message = message;
  return e;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Reads values from the start of the bytes; see the header for the rules.
class Scanner {
 public:
  Scanner(const QByteArray& bytes, const QString& path) : in_(bytes), path_(path) {}

  SequentialResult<SequentialRecord> run(int maxValues) {
    QList<SequentialValue> values;
    bool afterComma = false;
    while (values.size() < maxValues) {
      if (atEnd()) {
        if (afterComma) values.append(SequentialValue());
        break;
      }
      const int slot = static_cast<int>(values.size()) + 1;
      std::optional<SequentialValue> value = readValue(slot);
      if (!value) return error_;
      values.append(*value);
      afterComma = !atEnd() && in_[pos_] == ',';
      if (afterComma) ++pos_;
      else skipLineEnd();
    }
    return SequentialRecord(path_, values);
  }

 private:
  bool atEnd() const { return pos_ >= in_.size(); }
  bool atSeparator() const { return atEnd() || in_[pos_] == ',' || isLineEnd(in_[pos_]); }

  void skipBlanks() {
    while (!atEnd() && isBlank(in_[pos_])) ++pos_;
  }

  void skipLineEnd() {
    if (atEnd()) return;
    if (in_[pos_] == '\r' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // Lines that end inside a text, so that later values get their right line.
  void countLinesIn(QByteArrayView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
      if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
        ++line_;
  }

  std::optional<SequentialValue> readValue(int slot) {
    skipBlanks();
    const qsizetype start = pos_;
    const int line = line_;
    if (!atEnd() && in_[pos_] == '"') {
      const qsizetype close = in_.indexOf('"', pos_ + 1);
      if (close < 0) {
        while (!atEnd() && !isLineEnd(in_[pos_])) ++pos_;  // the bad text: the rest of its line
        return damaged(slot, line, start, pos_, QStringLiteral("a text has no closing quote: %1"));
      }
      const QByteArrayView text = QByteArrayView(in_).sliced(pos_ + 1, close - pos_ - 1);
      countLinesIn(text);
      pos_ = close + 1;
      skipBlanks();
      if (!atSeparator()) {
        while (!atSeparator()) ++pos_;
        return damaged(slot, line, start, pos_,
                       QStringLiteral("characters follow the closing quote of a text: %1"));
      }
      if (text.contains('\0'))
        return damaged(slot, line, start, pos_, QStringLiteral("a text holds a zero byte: %1"));
      return SequentialValue::fromText(fromAnsi(text));
    }
    while (!atSeparator()) ++pos_;
    qsizetype end = pos_;
    while (end > start && isBlank(in_[end - 1])) --end;
    const QString token = fromAnsi(QByteArrayView(in_).sliced(start, end - start));
    if (token.isEmpty()) return SequentialValue();
    if (token == QLatin1String("#TRUE#")) return SequentialValue::fromBoolean(true);
    if (token == QLatin1String("#FALSE#")) return SequentialValue::fromBoolean(false);
    if (token == QLatin1String("#NULL#")) return SequentialValue::null();
    if (auto number = SequentialValue::fromNumberToken(token)) return number;
    return damaged(slot, line, start, end,
                   QStringLiteral("\"%1\" is neither a number, a quoted text, #TRUE# nor #FALSE#"));
  }

  // `what` says what is wrong, with %1 for the value's characters.
  std::nullopt_t damaged(int slot, int line, qsizetype from, qsizetype to, const QString& what) {
    error_.kind = slot == 1 ? SequentialError::Kind::NotThisFormat : SequentialError::Kind::DamagedValue;
    error_.path = path_;
    error_.slot = slot;
    error_.line = line;
    error_.badText = fromAnsi(QByteArrayView(in_).sliced(from, to - from));
    const QString problem = what.arg(ReadableExcerpt(error_.badText));
    error_.message =
        slot == 1 ? QStringLiteral("The file \"%1\" is not a data file of this program: "
                                   "its first value is damaged (%2).")
                        .arg(path_, problem)
                  : QStringLiteral("The file \"%1\" is damaged at value %2 (line %3): %4.")
                        .arg(path_, QString::number(slot), QString::number(line), problem);
    return std::nullopt;
  }

  const QByteArray& in_;
  const QString& path_;
  qsizetype pos_ = 0;
  int line_ = 1;
  SequentialError error_;
};

}  // namespace

// ---------------------------------------------------------------- record

const SequentialValue& SequentialRecord::at(int slot) const {
  static const SequentialValue kEmpty;
  return slot >= 1 && slot <= count() ? values_[slot - 1] : kEmpty;
}

SequentialError SequentialRecord::wrongKind(int slot, const QString& wanted) const {
  SequentialError e = fileError(
      SequentialError::Kind::WrongKind, path_,
      QStringLiteral("Value %1 of the file \"%2\" should be %3, but it is %4.")
          .arg(QString::number(slot), path_, wanted, at(slot).describeBriefly()));
  e.slot = slot;
  return e;
}

SequentialResult<QString> SequentialRecord::textAt(int slot) const {
  const SequentialValue& v = at(slot);
  if (v.isEmpty()) return QString();
  if (v.kind() == SequentialValue::Kind::Text) return v.text();
  return wrongKind(slot, QStringLiteral("a text"));
}

SequentialResult<bool> SequentialRecord::booleanAt(int slot) const {
  const SequentialValue& v = at(slot);
  if (v.isEmpty()) return false;
  if (v.kind() == SequentialValue::Kind::Boolean) return v.boolean();
  return wrongKind(slot, QStringLiteral("#TRUE# or #FALSE#"));
}

SequentialResult<std::int16_t> SequentialRecord::int16At(int slot) const {
  const SequentialValue& v = at(slot);
  if (v.isEmpty()) return std::int16_t{0};
  if (const auto n = v.toInt16()) return *n;
  return wrongKind(slot, QStringLiteral("a whole number from -32768 to 32767"));
}

SequentialResult<float> SequentialRecord::singleAt(int slot) const {
  const SequentialValue& v = at(slot);
  if (v.isEmpty()) return 0.0f;
  if (const auto n = v.toSingle()) return *n;
  return wrongKind(slot, QStringLiteral("a single-precision number"));
}

SequentialResult<double> SequentialRecord::doubleAt(int slot) const {
  const SequentialValue& v = at(slot);
  if (v.isEmpty()) return 0.0;
  if (const auto n = v.toDouble()) return *n;
  return wrongKind(slot, QStringLiteral("a number"));
}

SequentialResult<int> SequentialRecord::wholeBlocks(std::span<const int> blockSizes) const {
  int end = 0;
  for (std::size_t block = 0; block < blockSizes.size(); ++block) {
    const int start = end;
    end += blockSizes[block];
    if (block > 0 && count() <= start) return static_cast<int>(block);
    if (count() >= end) continue;
    SequentialError e = fileError(
        SequentialError::Kind::EndsEarly, path_,
        block == 0 ? QStringLiteral("The file \"%1\" ends after value %2; it must hold at least %3 values.")
                         .arg(path_, QString::number(count()), QString::number(end))
                   : QStringLiteral("The file \"%1\" ends after value %2, inside the block of values %3 to %4.")
                         .arg(path_, QString::number(count()), QString::number(start + 1),
                              QString::number(end)));
    e.slot = count() + 1;
    return e;
  }
  return static_cast<int>(blockSizes.size());
}

// ---------------------------------------------------------------- reading

SequentialResult<SequentialRecord> parseSequential(const QByteArray& bytes, int maxValues,
                                                   const QString& path) {
  return Scanner(bytes, path).run(maxValues);
}

SequentialResult<SequentialRecord> readSequentialFile(const QString& path, int maxValues) {
  using Kind = SequentialError::Kind;
  const QFileInfo info(path);
  if (!info.exists())
    return fileError(Kind::Missing, path, QStringLiteral("The file \"%1\" does not exist.").arg(path));
  if (info.isDir())
    return fileError(Kind::Unreadable, path,
                     QStringLiteral("\"%1\" is a folder, not a file.").arg(path));
  if (info.size() > kLargestFile)
    return fileError(Kind::NotThisFormat, path,
                     QStringLiteral("The file \"%1\" is not a data file of this program: it is far too large.")
                         .arg(path));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return fileError(Kind::Unreadable, path,
                     QStringLiteral("The file \"%1\" cannot be read: %2.").arg(path, file.errorString()));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return fileError(Kind::Unreadable, path,
                     QStringLiteral("The file \"%1\" cannot be read: %2.").arg(path, file.errorString()));
  return parseSequential(bytes, maxValues, path);
}

// ---------------------------------------------------------------- writing

void SequentialWriter::writeLine(std::span<const SequentialValue> values) {
  bool first = true;
  for (const SequentialValue& v : values) {
    if (!first) bytes_.append(',');
    first = false;
    ++count_;
    switch (v.kind()) {
      case SequentialValue::Kind::Empty: break;
      case SequentialValue::Kind::Text: {
        QString text = v.text();
        text.replace(u'"', u'\'');  // the format cannot carry a quote inside a text
        bytes_.append('"').append(toAnsi(text)).append('"');
        break;
      }
      case SequentialValue::Kind::Number:
        if (!v.isWritable() && firstUnwritable_ == 0) firstUnwritable_ = count_;
        bytes_.append(v.text().toLatin1());
        break;
      case SequentialValue::Kind::Boolean: bytes_.append(v.boolean() ? "#TRUE#" : "#FALSE#"); break;
      case SequentialValue::Kind::Null: bytes_.append("#NULL#"); break;
    }
  }
  bytes_.append("\r\n");
}

std::optional<SequentialError> SequentialWriter::save(const QString& path) const {
  const auto notSaved = [&](const QString& reason) {
    return fileError(SequentialError::Kind::NotSaved, path,
                     QStringLiteral("The file \"%1\" could not be saved: %2. "
                                    "Any earlier file of that name is unchanged.")
                         .arg(path, reason));
  };
  if (firstUnwritable_ != 0) {
    SequentialError e = notSaved(QStringLiteral("value %1 is not a finite number").arg(firstUnwritable_));
    e.slot = firstUnwritable_;
    return e;
  }
  QSaveFile file(path);
  // The file system's reason where Qt keeps one, else what the step was.
  const auto reason = [&](const char* step) {
    const QString r = file.errorString();
    return r.isEmpty() || r == QFile().errorString() ? QString::fromLatin1(step) : r;
  };
  if (!file.open(QIODevice::WriteOnly)) return notSaved(reason("no temporary file could be made beside it"));
  if (file.write(bytes_) != bytes_.size()) {
    const QString why = reason("the data could not be written");
    file.cancelWriting();
    return notSaved(why);
  }
  if (!file.commit()) return notSaved(reason("the new file could not take the place of the old one"));
  return std::nullopt;
}

}  // namespace platform
