#pragma once

#include <QObject>

#include "express/ExpressFields.h"
#include "express/Prompter.h"
#include "income/IncomeLinks.h"

// What the other subsystems' windows use of the Express area's windows, as
// interfaces those windows implement: the Express screen (Form1) and the
// parenting-time window (Form16). A window reaches them through the
// program's window registry by name, never by including the windows:
//   express::AsExpressScreen(program.Load(QStringLiteral("Form1")))
namespace express {

// The Express screen: its fields (texts, options, check boxes, through
// ExpressFields), the prompter its entry checks speak through, and what the
// income windows read of it (filing options, case name).
class ExpressScreen : public income::ExpressLink {
 public:
  virtual ExpressFields& Fields() = 0;
  virtual Prompter& Prompts() = 0;
};

// The parenting-time window's tier steps: each child's nights into the tier
// arrays, their average and their totals.
class ParentingTimeWindow {
 public:
  virtual ~ParentingTimeWindow() = default;
  virtual void AssignTierVars() = 0;
  virtual void CalculateAvTime() = 0;
  virtual void CalculateTierTotal() = 0;
};

// The window as one of those interfaces; nullptr when it is none (or none is loaded).
inline ExpressScreen* AsExpressScreen(QObject* window) { return dynamic_cast<ExpressScreen*>(window); }
inline ParentingTimeWindow* AsParentingTimeWindow(QObject* window) {
  return dynamic_cast<ParentingTimeWindow*>(window);
}

}  // namespace express
