// Horizontal rules with attributes: their markup, the rule dialog TDHrMore, and the commands of
// the rule with attributes and of the rule with a thickness.
#include "generators/RuleDialog.h"

#include "core/ColorText.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "generators/AllFontSettingsDialog.h"
#include "widgets/ColorPicker.h"
#include "widgets/ColorSwatch.h"
#include "widgets/InputBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace
{

// Appends open + value + the closing quote, for a value that is not empty.
void addAttribute(QString& markup, const QString& open, const QString& value)
{
    if (!value.isEmpty())
        markup += open + value + QLatin1Char('"');
}

} // namespace

QString ruleMarkup(const RuleSettings& settings)
{
    QString markup = QStringLiteral("<hr");
    if (settings.noshade)
        markup += QStringLiteral(" noshade");
    addAttribute(markup, QStringLiteral(" width=\""), settings.width);
    addAttribute(markup, QStringLiteral(" size=\""), settings.size);
    addAttribute(markup, QStringLiteral(" align=\""), settings.align);
    addAttribute(markup, QStringLiteral(" color=\""), settings.color);
    return markup + QLatin1Char('>');
}

QString sizedRuleMarkup(const QString& answer)
{
    if (answer.isEmpty())
        return {};
    return QStringLiteral("<hr size=\"") + answer + QStringLiteral("\">");
}

TDHrMore::TDHrMore(const DialogEnv& env) : TDialog(env, QStringLiteral("Trennlinie"))
{
    setObjectName(QStringLiteral("DHrMore"));
    CheckBox1 = new QCheckBox(QStringLiteral("&noshade"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setHint(CheckBox1, "Mit noshade erzwingen Sie die Nicht-Schattierung der Linie.");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    setHint(Edit1, "Geben Sie hier die Breite der Linie in Pixel oder Prozent an");
    Label1 = labelFor("&Width:", Edit1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    setHint(Edit2, "Geben Sie hier die Dicke der Linie ein");
    Label2 = labelFor("&Size:", Edit2);
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(
        {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")});
    ComboBox1->setCurrentIndex(-1);
    setHint(ComboBox1, "Wählen Sie hier die Ausrichtung der Linie");
    Label3 = labelFor("&Align:", ComboBox1);
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboBox4 = createColorNameBox(this);
    setHint(ComboBox4, "Wählen Sie hier einen Farbnamen aus");
    Label4 = labelFor("&Linienfarbe (nur MSIE):", ComboBox4);
    Label4->setObjectName(QStringLiteral("Label4"));

    Shape1 = new TCShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(40, 22);
    Shape1->setBrushColor(palette().color(QPalette::Button));
    setHint(Shape1, "Muster der Linienfarbe");
    SBtnTColor = createColorButton(this);
    connect(SBtnTColor, &QToolButton::clicked, this, &TDHrMore::SBtnTColorClick);

    auto* grid = new QGridLayout;
    grid->addWidget(CheckBox1, 0, 0, 1, 3);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Edit1, 1, 1, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit2, 2, 1, 1, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(ComboBox1, 3, 1, 1, 2);
    grid->addWidget(Label4, 4, 0, 1, 3);
    grid->addWidget(ComboBox4, 5, 0);
    grid->addWidget(Shape1, 5, 1);
    grid->addWidget(SBtnTColor, 5, 2);
    finishLayout(grid);
    CheckBox1->setFocus();
}

RuleSettings TDHrMore::settings() const
{
    return {CheckBox1->isChecked(), Edit1->text(), Edit2->text(), ComboBox1->currentText(),
            ComboBox4->currentText()};
}

void TDHrMore::accept()
{
    m_result = ruleMarkup(settings());
    TDialog::accept();
}

void TDHrMore::SBtnTColorClick()
{
    if (const std::optional<std::uint32_t> color = ColorPicker::pick(this)) {
        // Painted directly too, since a pick of the swatch's start value changes no value.
        Shape1->setBrushColor(ColorText::toQColor(*color));
        Shape1->setChangeColor(*color);
        ComboBox4->setEditText(QLatin1Char('#') + ColorText::toHtml(*color));
    }
}

void WeitereTrennlinien2Click(TMDIChild& child)
{
    TDHrMore dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.Insert(dialog.ruleResult());
}

void HRSizeClick(TMDIChild& child)
{
    const InputAnswer answer =
        inputBox(&child, QStringLiteral("Trennlinie size"),
                 QStringLiteral("Geben Sie hier die Dicke der Linie ein."), QStringLiteral("1"));
    if (answer.accepted && !answer.text.isEmpty())
        child.Insert(sizedRuleMarkup(answer.text));
}

namespace
{

const DocumentCommand commands[] = {
    {"WeitereTrennlinien2Click", &WeitereTrennlinien2Click},
    {"HRSizeClick", &HRSizeClick},
};

} // namespace

std::span<const DocumentCommand> dlineCommands()
{
    return commands;
}
