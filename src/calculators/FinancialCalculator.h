#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The financial calculator's seven time-value calculations, as text in and
// text out: the window puts the entry boxes' texts in and shows the answer,
// the note or the message that comes back.
namespace calculators {

inline constexpr std::int16_t kFinModes = 7;

// Captions and boxes of a mode (1 to 7): the labels of Text1 to Text4 (empty
// for a box the mode leaves hidden), how many boxes it shows, and the answer's label.
struct FinModeLayout {
  std::array<const char*, 4> labels;
  int boxes;
  const char* answerLabel;
};
const FinModeLayout& FinModeEntries(std::int16_t mode);

// The caption of the option button of a mode (1 to 7).
QString FinModeCaption(std::int16_t mode);

inline constexpr const char* kFinZeroEntry = "Cannot have a zero entry value";
inline constexpr const char* kFinInvalidEntry = "Invalid/illogical input data";
inline constexpr const char* kFinOptionPeriod =
    "Your option period exceeds the number of periods of the mortgage. Try changing your entries.";
inline constexpr const char* kFinNoAnswer = "Cannot calculate a valid answer. Try changing your entries.";
inline constexpr const char* kFinIllogicalRate =
    "Calculated interest rate seems illogical. Try changing your entries.";
// An answer past the largest amount the program shows (platform/AmountLimit.h).
QString FinAnswerTooLargeMessage();

// The outcome of "Calculate Result": either a message (with the box, 0 to 3,
// that gets the focus, or -1 to leave the focus where it is), or the answer
// text (empty in mode 0) and, in mode 3, the note.
struct FinAnswer {
  QString message;
  int focusBox = -1;
  QString answer;
  QString note;

  bool Answered() const { return message.isEmpty(); }
};

// Checks the texts of the boxes the mode shows, then computes. Mode 3 takes
// whole numbers of periods and of payments made (Text2 and Text4).
FinAnswer ComputeFinancialAnswer(std::int16_t mode, const std::array<QString, 4>& texts);

}  // namespace calculators
