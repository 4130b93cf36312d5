// Horizontal rules with attributes: their markup, the rule dialog TDHrMore and the sized rule.
#pragma once

#include <QString>

struct RuleSettings {
    bool noshade = false;
    QString width, size;
    QString align; // empty when none was picked
    QString color;
};

// "<hr" + noshade, width, size, align and colour when given + ">".
QString ruleMarkup(const RuleSettings& settings);
// "<hr size=\"answer\">"; an empty answer asks for no rule at all and gives the empty text.
QString sizedRuleMarkup(const QString& answer);
