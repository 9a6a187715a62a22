#include "tools/ui/Form19.h"

namespace tools::ui {

namespace {

const char* const kText = R"(<body style="font-family:Tahoma">
<p align="center"><b>Variable Bonus Income: Child Support and Alimony</b></p>
<p>The simplest and least costly way to deal with bonus income that varies from year to year is to apply a
percentage to the gross bonus, for child support, for alimony, or for both. If the calculation shows that 6 percent
of a bonus goes to child support and 20 percent to alimony, a $50,000 bonus gives $3,000 of child support and
$10,000 of alimony, with no further calculation when the bonus is paid.</p>
<p>The percentages slide a little with the size of the bonus. Unless the expected bonus varies very widely, the
slide is nominal, and it costs far less than the alternatives of yearly look-backs and expert help.</p>
<p>To see the range of error, run the calculation with a low and a high estimate of the bonus (for example $20,000
and $60,000) drawn from the bonus history and the best estimate available. The error is usually below half of one
percent, and the percentages can be evened out so that neither party is favoured in advance. Half of one percent of
a $50,000 bonus is $250.</p>
<p>The same calculation can be made by hand, with all its tax effects, in five steps: work out support on the base
income; work out support on the base income plus the bonus; take the difference as a yearly amount; divide that
difference by the gross yearly bonus; the result is the percentage to apply.</p>
<p>Further notes. A difference in income can change the suggested length of alimony, not only its amount, so judge
a case at a mid-point or at an estimated bonus. The calculators consider only a bonus of the paying party (the other
party); a bonus of the party who receives support needs separate runs. As children leave a child support order,
further runs are needed, since one run does not step down through the tiers. Where the error is too large, the
percentage can itself be tiered by ranges of bonus. Where an amount has been entered by hand in place of the
calculated one, that amount is the basis of the bonus calculation.</p>
</body>)";

}  // namespace

Form19::Form19(QWidget* parent)
    : shell::HelpWindow(QStringLiteral("Form19"), QStringLiteral("About Bonus Calculator"), QString::fromUtf8(kText),
                        parent) {}

}  // namespace tools::ui
