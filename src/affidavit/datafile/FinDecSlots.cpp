#include "affidavit/datafile/FinDecSlots.h"

#include <algorithm>

namespace affidavit {

namespace {

using Map = std::vector<SlotSource>;

// Elements first..last of an array into the list from `slot` on.
void Run(Map& map, int slot, const char* page, const char* array, int first, int last,
         SlotKind kind = SlotKind::Text) {
  for (int i = first; i <= last; ++i)
    map.push_back({slot + i - first, {QLatin1String(page), QLatin1String(array), i}, kind});
}

void One(Map& map, int slot, const char* page, const char* array, int index, SlotKind kind = SlotKind::Text) {
  map.push_back({slot, {QLatin1String(page), QLatin1String(array), index}, kind});
}

void Range(std::vector<int>& list, int first, int last) {
  for (int s = first; s <= last; ++s) list.push_back(s);
}

void SortBySlot(Map& map) {
  std::stable_sort(map.begin(), map.end(), [](const SlotSource& a, const SlotSource& b) { return a.slot < b.slot; });
}

constexpr SlotKind kCheck = SlotKind::Check;
constexpr SlotKind kOption = SlotKind::Option;

// The certificate-of-service group of a second page, list 842-872 less the
// fixed ones; `first` is the first page (S1(38), FaAmended).
void CertificateGroup(Map& m, const char* first, const char* second) {
  Run(m, 842, second, "S5op", 12, 13, kOption);
  Run(m, 844, second, "S5T", 21, 25);
  One(m, 849, second, "S5T", 17);
  One(m, 850, second, "S5T", 0);
  Run(m, 851, second, "S5T", 18, 19);
  const char* delivered[] = {"S5opEmail", "S5opFaxed", "S5opMailed", "S5opHand"};
  for (int person = 0; person < 2; ++person)
    for (int k = 0; k < 4; ++k) One(m, 855 + person * 4 + k, second, delivered[k], person, kCheck);
  One(m, 863, second, "S5T", 20);
  One(m, 864, second, "S5T", 26);
  One(m, 866, first, "S1", 38);
  Run(m, 867, second, "S5T", 27, 29);
  One(m, 870, first, "FaAmended", kSingle, kCheck);
  Run(m, 871, second, "S5opServed", 0, 1, kCheck);
}

// Slots 733-755 less the fixed ones.
void ClosingGroup(Map& m, const char* second) {
  Run(m, 733, second, "S5T", 1, 16);
  Run(m, 749, second, "S5op", 1, 2, kOption);
  Run(m, 754, second, "S5op", 6, 7, kOption);
}

// The short form's expense labels: element i at slot 769 + i.
void ShortLabels(Map& m) {
  Run(m, 769, "Form121", "S2N", 0, 7);
  Run(m, 788, "Form121", "S2N", 19, 21);
  Run(m, 796, "Form121", "S2N", 27, 33);
  Run(m, 818, "Form121", "S2N", 49, 62);
  Run(m, 833, "Form121", "S2N", 64, 67);
}

// Long-form list that follow the form, without labels and repeated elements.
Map LongPages(bool forRestore) {
  Map m;
  Run(m, 1, "Form12", "S0T", 1, 7);
  Run(m, 8, "Form12", "S1T", 1, 20);  // 21-24: RepeatedSlots
  Run(m, 32, "Form12", "S1Op", 1, 5, kOption);
  One(m, 37, "Form12", "S1Check", 1, kCheck);
  Run(m, 41, "Form12", "S1", 1, 31);
  Run(m, 72, "Form12", "S2T", 0, 28);
  Run(m, 101, "Form12", "S2", 1, 109);
  Run(m, 210, "Form122", "S3", 0, 63);
  Run(m, 274, "Form122", "S3c", 0, 63, kCheck);
  Run(m, 466, "Form122", "S3T", 0, forRestore ? 62 : 63);
  Run(m, 530, "Form122", "S4", 0, 42);
  Run(m, 573, "Form122", "S4c", 0, 39, kCheck);
  Run(m, 693, "Form122", "S4T", 0, 39);
  ClosingGroup(m, "Form122");
  Run(m, 764, "Form12", "S1FileOp", 0, 3, kOption);
  CertificateGroup(m, "Form12", "Form122");
  return m;
}

Map ShortPages(bool forRestore) {
  Map m;
  Run(m, 1, "Form121", "S0T", 1, 7);
  One(m, 9, "Form121", "S1T", 2);
  Run(m, 12, "Form121", "S1T", 5, 7);
  Run(m, 16, "Form121", "S1T", 9, 10);
  Run(m, 32, "Form121", "S1Op", 1, 5, kOption);
  One(m, 37, "Form121", "S1Check", 1, kCheck);
  Run(m, 41, "Form121", "S1", 1, 31);
  Run(m, 88, "Form121", "S2T", 16, 26);
  Run(m, 101, "Form121", "S2", 1, 8);
  Run(m, 126, "Form121", "S2", 26, 28);
  Run(m, 136, "Form121", "S2", 36, 42);
  Run(m, 164, "Form121", "S2", 64, 67);
  Run(m, 170, "Form121", "S2", 70, 83);
  Run(m, 191, "Form121", "S2", 91, 101);
  Run(m, 210, "Form123", "S3", 0, 17);
  Run(m, 274, "Form123", "S3c", 0, 17, kCheck);
  Run(m, 466, "Form123", "S3T", 0, 17);
  Run(m, 530, "Form123", "S4", 0, 17);
  Run(m, 558, "Form123", "S4", 28, forRestore ? 39 : 42);
  Run(m, 573, "Form123", "S4c", 0, 17, kCheck);
  Run(m, 573 + (forRestore ? 28 : 27), "Form123", "S4c", forRestore ? 28 : 27, 39, kCheck);
  Run(m, 693, "Form123", "S4T", 0, 17);
  Run(m, 693 + (forRestore ? 28 : 27), "Form123", "S4T", forRestore ? 28 : 27, 39);
  ClosingGroup(m, "Form123");
  Run(m, 764, "Form121", "S1FileOp", 0, 3, kOption);
  CertificateGroup(m, "Form121", "Form123");
  return m;
}

// The short page's nonmarital mark columns, carried in both forms.
void MarkColumns(Map& m, bool forRestore) {
  Run(m, 338, "Form123", "s3ch", 0, 17, kCheck);
  Run(m, 402, "Form123", "s3cw", 0, 17, kCheck);
  Run(m, 613, "Form123", "s4ch", 0, 17, kCheck);
  Run(m, 613 + (forRestore ? 28 : 27), "Form123", "s4ch", forRestore ? 28 : 27, 39, kCheck);
  Run(m, 653, "Form123", "s4cw", 0, 17, kCheck);
  Run(m, 681, "Form123", "s4cw", 28, 39, kCheck);
}

// The long pages' columns carried in both forms (list 873-1258).
void LongColumns(Map& m) {
  Run(m, 873, "Form122", "S3P", 0, 62);
  Run(m, 937, "Form122", "S3R", 0, 62);
  Run(m, 1001, "Form122", "S3O", 0, 62);
  Run(m, 1065, "Form122", "S4P", 0, 38);
  Run(m, 1104, "Form122", "S4R", 0, 38);
  Run(m, 1143, "Form122", "S4D", 0, 26);
  Run(m, 1171, "Form122", "S4D", 28, 32);
  Run(m, 1177, "Form122", "S4D", 34, 38);
  Run(m, 1182, "Form122", "S4Cr", 0, 26);
  Run(m, 1216, "Form122", "S4Cr", 34, 38);
  Run(m, 1222, "Form12", "S2New", 1, 16);
  Run(m, 1239, "Form12", "S2NNew", 1, 16);
  Run(m, 1255, "Form12", "Text1", 0, 3);
}

Map WithRepeated(Map m, AffidavitMode mode) {
  for (const RepeatedSlot& r : RepeatedSlots(mode)) {
    m.push_back({r.later, r.element, SlotKind::Text});
    if (r.earlier != 0) m.push_back({r.earlier, r.element, SlotKind::Text});
  }
  for (const SlotSource& label : ExpenseLabelSlots(mode)) m.push_back(label);
  SortBySlot(m);
  return m;
}

}  // namespace

QString FirstPage(AffidavitMode mode) {
  return mode == kLongForm ? QStringLiteral("Form12") : QStringLiteral("Form121");
}
QString SecondPage(AffidavitMode mode) {
  return mode == kLongForm ? QStringLiteral("Form122") : QStringLiteral("Form123");
}

const std::vector<RepeatedSlot>& RepeatedSlots(AffidavitMode mode) {
  static const std::vector<RepeatedSlot> build[2] = {
      [] {
        std::vector<RepeatedSlot> r;
        const auto page = QStringLiteral("Form121");
        for (int i = 32; i <= 37; ++i) r.push_back({1259 + i - 32, 0, {page, QStringLiteral("S1"), i}});
        for (int i = 21; i <= 22; ++i) r.push_back({1265 + i - 21, 0, {page, QStringLiteral("S1T"), i}});
        r.push_back({1269, 768, {page, QStringLiteral("S1T"), 0}});
        r.push_back({1270, 0, {page, QStringLiteral("S1"), 0}});
        return r;
      }(),
      [] {
        std::vector<RepeatedSlot> r;
        const auto page = QStringLiteral("Form12");
        for (int i = 32; i <= 37; ++i) r.push_back({1259 + i - 32, 758 + i - 32, {page, QStringLiteral("S1"), i}});
        for (int i = 21; i <= 24; ++i) r.push_back({1265 + i - 21, 28 + i - 21, {page, QStringLiteral("S1T"), i}});
        r.push_back({1269, 768, {page, QStringLiteral("S1T"), 0}});
        r.push_back({1270, 0, {page, QStringLiteral("S1"), 0}});
        return r;
      }()};
  return build[mode == kLongForm ? 1 : 0];
}

const std::vector<SlotSource>& ExpenseLabelSlots(AffidavitMode mode) {
  static const Map longLabels = [] {
    Map m;
    Run(m, 769, "Form12", "S2N", 0, 67);
    return m;
  }();
  static const Map shortLabels = [] {
    Map m;
    ShortLabels(m);
    return m;
  }();
  return mode == kLongForm ? longLabels : shortLabels;
}

const std::vector<SlotSource>& LongFormSaveSlots() {
  static const Map map = WithRepeated(LongPages(false), kLongForm);
  return map;
}

const std::vector<SlotSource>& ShortFormSaveSlots() {
  static const Map map = [] {
    Map m = ShortPages(false);
    // The short page's S1T(0) also stands in slot 768; S1(32..37) of slot
    // 758-763 are the long page's in both forms.
    for (const SlotSource& s : WithRepeated({}, kShortForm)) m.push_back(s);
    SortBySlot(m);
    return m;
  }();
  return map;
}

const std::vector<SlotSource>& BothFormsSaveSlots() {
  static const Map map = [] {
    Map m;
    Run(m, 38, "Form12", "S1Check", 2, 4, kCheck);
    MarkColumns(m, false);
    Run(m, 758, "Form12", "S1", 32, 37);
    LongColumns(m);
    SortBySlot(m);
    return m;
  }();
  return map;
}

const std::vector<int>& LongFormEmptyTextSlots() {
  static const std::vector<int> none;
  return none;
}

const std::vector<int>& ShortFormEmptyTextSlots() {
  static const std::vector<int> list = [] {
    std::vector<int> s;
    Range(s, 228, 273);
    Range(s, 292, 337);
    Range(s, 484, 529);
    Range(s, 548, 557);
    Range(s, 711, 719);
    return s;
  }();
  return list;
}

const std::vector<int>& BothFormsEmptyTextSlots() {
  static const std::vector<int> list = [] {
    std::vector<int> s;
    Range(s, 356, 401);
    Range(s, 420, 465);
    Range(s, 631, 639);
    Range(s, 671, 680);
    Range(s, 751, 753);
    Range(s, 839, 841);
    Range(s, 853, 854);
    return s;
  }();
  return list;
}

const std::vector<SlotSource>& LongFormRestoreSlots() {
  static const Map map = [] {
    Map m = LongPages(true);
    Run(m, 38, "Form12", "S1Check", 2, 4, kCheck);
    MarkColumns(m, true);
    LongColumns(m);
    SortBySlot(m);
    return m;
  }();
  return map;
}

const std::vector<SlotSource>& ShortFormRestoreSlots() {
  static const Map map = [] {
    Map m = ShortPages(true);
    MarkColumns(m, true);
    SortBySlot(m);
    return m;
  }();
  return map;
}

}  // namespace affidavit
