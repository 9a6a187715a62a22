#include "income/AmountText.h"

#include "platform/NumberText.h"

namespace income {

QString FormatAmount(double value, const char* pattern) { return platform::Format(value, pattern); }

}  // namespace income
