// Horizontal rules with attributes: their markup, the rule dialog TDHrMore, and the commands of
// the rule with attributes and of the rule with a thickness.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TCShape;
class TMDIChild;

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

// Asks for the attributes of a rule; OK builds the rule and reports by its result.
class TDHrMore : public TDialog
{
    Q_OBJECT
public:
    explicit TDHrMore(const DialogEnv& env);

    RuleSettings settings() const;
    // The rule built by OK; empty before.
    QString ruleResult() const { return m_result; }
    void accept() override;

    QCheckBox* CheckBox1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label3;
    QComboBox* ComboBox1;
    QLabel* Label4;
    QComboBox* ComboBox4;
    TCShape* Shape1;
    QToolButton* SBtnTColor;

    // Opens the colour picker; a picked colour paints the sample and goes into the colour box.
    void SBtnTColorClick();

private:
    QString m_result;
};

// The rule dialog's rule at the caret.
void WeitereTrennlinien2Click(TMDIChild& child);
// Asks for the thickness; cancel or an empty answer write nothing.
void HRSizeClick(TMDIChild& child);

std::span<const DocumentCommand> dlineCommands();
