#include "affidavit/datafile/PageElements.h"

#include <QHash>

#include <initializer_list>
#include <utility>
#include <vector>

namespace affidavit {

namespace {

using Ranges = std::vector<std::pair<int, int>>;

struct ArrayElements {
  const char* page;
  const char* array;
  Ranges ranges;  // inclusive; {kSingle, kSingle} for a single control
};

const Ranges kSingleControl = {{kSingle, kSingle}};

const std::vector<ArrayElements>& Catalogue() {
  static const std::vector<ArrayElements> list = {
      {"Form12", "S0T", {{1, 7}}},
      {"Form12", "S1T", {{0, 24}}},
      {"Form12", "S1Op", {{1, 5}}},
      {"Form12", "S1Check", {{1, 4}}},
      {"Form12", "S1", {{0, 38}}},
      {"Form12", "S1FileOp", {{0, 3}}},
      {"Form12", "S2T", {{0, 28}}},
      {"Form12", "S2", {{1, 109}}},
      {"Form12", "S2N", {{0, 67}}},
      {"Form12", "S2New", {{1, 16}}},
      {"Form12", "S2NNew", {{1, 16}}},
      {"Form12", "Text1", {{0, 3}}},
      {"Form12", "FaAmended", kSingleControl},
      {"Form12", "FAClaim", kSingleControl},
      {"Form12", "FAOther", kSingleControl},
      {"Form121", "S0T", {{1, 7}}},
      {"Form121", "S1T", {{0, 0}, {2, 2}, {5, 7}, {9, 10}, {21, 22}}},
      {"Form121", "S1Op", {{1, 5}}},
      {"Form121", "S1Check", {{1, 1}}},
      {"Form121", "S1", {{0, 38}}},
      {"Form121", "S1FileOp", {{0, 3}}},
      {"Form121", "S2T", {{16, 26}}},
      {"Form121", "S2", {{1, 8}, {25, 28}, {35, 42}, {58, 58}, {64, 67}, {69, 83}, {90, 101}, {104, 109}}},
      {"Form121", "S2N", {{0, 7}, {19, 21}, {27, 33}, {49, 62}, {64, 67}}},
      {"Form121", "FaAmended", kSingleControl},
      {"Form121", "FAClaim", kSingleControl},
      {"Form121", "FAOther", kSingleControl},
      {"Form122", "S3T", {{0, 64}}},
      {"Form122", "S3", {{0, 64}}},
      {"Form122", "S3c", {{0, 63}}},
      {"Form122", "S3O", {{0, 62}}},
      {"Form122", "S3P", {{0, 62}}},
      {"Form122", "S3R", {{0, 62}}},
      {"Form122", "s3ch", {{63, 63}}},
      {"Form122", "s3cw", {{63, 63}}},
      {"Form122", "S4T", {{0, 41}}},
      {"Form122", "S4", {{0, 45}}},
      {"Form122", "S4c", {{0, 39}}},
      {"Form122", "S4D", {{0, 26}, {28, 32}, {34, 38}}},
      {"Form122", "S4Cr", {{0, 26}, {34, 38}}},
      {"Form122", "S4P", {{0, 38}}},
      {"Form122", "S4R", {{0, 38}}},
      {"Form123", "S3T", {{0, 17}, {63, 63}}},
      {"Form123", "S3", {{0, 17}, {63, 63}}},
      {"Form123", "S3c", {{0, 17}, {63, 63}}},
      {"Form123", "s3ch", {{0, 17}, {63, 63}}},
      {"Form123", "s3cw", {{0, 17}, {63, 63}}},
      {"Form123", "S4T", {{0, 17}, {27, 39}}},
      {"Form123", "S4", {{0, 17}, {27, 42}}},
      {"Form123", "S4c", {{0, 17}, {27, 39}}},
      {"Form123", "s4ch", {{0, 17}, {27, 39}}},
      {"Form123", "s4cw", {{0, 17}, {27, 39}}},
  };
  return list;
}

// The closing section, alike on both second pages.
bool ClosingSection(const QString& array, int index) {
  if (array == QLatin1String("S5T")) return index >= 0 && index <= 29;
  if (array == QLatin1String("S5op"))
    return index == 1 || index == 2 || index == 6 || index == 7 || index == 12 || index == 13;
  for (const char* delivered : {"S5opServed", "S5opHand", "S5opFaxed", "S5opMailed", "S5opEmail"})
    if (array == QLatin1String(delivered)) return index == 0 || index == 1;
  return false;
}

}  // namespace

bool HasElement(const PageElement& element) {
  if ((element.page == QLatin1String("Form122") || element.page == QLatin1String("Form123")) &&
      ClosingSection(element.array, element.index))
    return true;
  for (const ArrayElements& a : Catalogue()) {
    if (element.page != QLatin1String(a.page) || element.array != QLatin1String(a.array)) continue;
    for (const auto& [first, last] : a.ranges)
      if (element.index >= first && element.index <= last) return true;
    return false;
  }
  return false;
}

}  // namespace affidavit
