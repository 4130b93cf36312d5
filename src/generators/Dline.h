// Horizontal rules with attributes: their markup, the rule dialog TDHrMore and the sized rule.
#pragma once

#include "generators/Text2.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TCShape;

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
class TDHrMore : public QDialog
{
    Q_OBJECT
public:
    TDHrMore(const QStringList& colorNames, ColorPick pickColor, bool hintsOn,
             QWidget* parent = nullptr);

    RuleSettings settings() const;
    // The rule built by OK; empty before.
    QString ruleResult() const { return m_result; }

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
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;

    void SBtnTColorClick();

private:
    ColorPick m_pickColor;
    QString m_result;
};
