#pragma once

#include <QString>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

// The four affidavit pages as the affidavit's plain code sees them: the long
// form's Form12 (caption, income, expenses) and Form122 (assets, liabilities,
// certificate of service), the short form's Form121 and Form123. Each control
// is an element of a control array addressed by page, array name and index.
// The data file, clearing, the values pass, the totals and the transfers read
// and write the pages only through this interface, so they run without a
// window; the affidavit pages implement it, and tests use FakeAffidavitPages.
namespace affidavit {

// Index of a control that is not an element of an array (Form12.FaAmended).
inline constexpr int kSingle = -1;

struct PageElement {
  QString page;   // "Form12", "Form122", "Form121", "Form123"
  QString array;  // "S1", "S3c", ...
  int index = kSingle;

  bool operator==(const PageElement&) const = default;
  bool operator<(const PageElement& other) const {
    return std::tie(page, array, index) < std::tie(other.page, other.array, other.index);
  }
};

// "Form12.S1(32)", as messages and logs name an element.
QString ElementLabel(const PageElement& element);

// Callers address only the elements a page has (the slot maps and lists of
// this folder are built so); the pages themselves ignore anything else.
class AffidavitPages {
 public:
  AffidavitPages() = default;
  AffidavitPages(const AffidavitPages&) = delete;
  AffidavitPages& operator=(const AffidavitPages&) = delete;
  virtual ~AffidavitPages() = default;

  // Text of a text box.
  virtual QString Text(const PageElement& element) const = 0;
  virtual void SetText(const PageElement& element, const QString& text) = 0;

  // Value of a check box (0 clear, 1 ticked; the pages take any other value
  // written, such as a 2 read from a data file, as ticked) or of an option
  // button (0, 1). Selecting an option turns the other options of its group off.
  virtual int Value(const PageElement& element) const = 0;
  virtual void SetValue(const PageElement& element, int value) = 0;

  // The value a data file saves for a check box: a value other than 0 and 1
  // written to it (a 2 that an older data file holds) until the box changes,
  // so a file opened and saved again keeps it; otherwise Value.
  virtual int StoredValue(const PageElement& element) const { return Value(element); }
};

// Map-backed pages for tests: elements are created on first use, texts empty
// and values 0. `Writes` counts every SetText and SetValue.
class FakeAffidavitPages final : public AffidavitPages {
 public:
  QString Text(const PageElement& element) const override;
  void SetText(const PageElement& element, const QString& text) override;
  int Value(const PageElement& element) const override;
  void SetValue(const PageElement& element, int value) override;

  const std::map<PageElement, QString>& Texts() const { return texts_; }
  const std::map<PageElement, int>& Values() const { return values_; }
  int Writes = 0;

 private:
  std::map<PageElement, QString> texts_;
  std::map<PageElement, int> values_;
};

}  // namespace affidavit
