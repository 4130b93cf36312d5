// Horizontal rules with attributes: their markup, the rule dialog TDHrMore and the sized rule.
#include "generators/Dline.h"

#include "core/ColorText.h"
#include "generators/CShape.h"
#include "generators/DialogKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

void addAttribute(QString& markup, const char* name, const QString& value)
{
    if (!value.isEmpty())
        markup += QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + value +
                  QLatin1Char('"');
}

} // namespace

QString ruleMarkup(const RuleSettings& settings)
{
    QString markup = QStringLiteral("<hr");
    if (settings.noshade)
        markup += QStringLiteral(" noshade");
    addAttribute(markup, "width", settings.width);
    addAttribute(markup, "size", settings.size);
    addAttribute(markup, "align", settings.align);
    addAttribute(markup, "color", settings.color);
    return markup + QLatin1Char('>');
}

QString sizedRuleMarkup(const QString& answer)
{
    if (answer.isEmpty())
        return {};
    return QStringLiteral("<hr size=\"") + answer + QStringLiteral("\">");
}

TDHrMore::TDHrMore(const QStringList& colorNames, ColorPick pickColor, bool hintsOn,
                   QWidget* parent)
    : QDialog(parent), m_pickColor(std::move(pickColor))
{
    setObjectName(QStringLiteral("DHrMore"));
    setWindowTitle(QStringLiteral("Trennlinie"));

    CheckBox1 = new QCheckBox(QStringLiteral("&noshade"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setDialogHint(CheckBox1,
                  QStringLiteral("Mit noshade erzwingen Sie die Nicht-Schattierung der Linie."),
                  hintsOn);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    setDialogHint(Edit1,
                  QStringLiteral("Geben Sie hier die Breite der Linie in Pixel oder Prozent an"),
                  hintsOn);
    Label1 = buddyLabel(QStringLiteral("&Width:"), Edit1, "Label1");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    setDialogHint(Edit2, QStringLiteral("Geben Sie hier die Dicke der Linie ein"), hintsOn);
    Label2 = buddyLabel(QStringLiteral("&Size:"), Edit2, "Label2");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(
        {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")});
    ComboBox1->setCurrentIndex(-1);
    setDialogHint(ComboBox1, QStringLiteral("Wählen Sie hier die Ausrichtung der Linie"), hintsOn);
    Label3 = buddyLabel(QStringLiteral("&Align:"), ComboBox1, "Label3");
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->addItems(colorNames);
    ComboBox4->setCurrentIndex(-1);
    setDialogHint(ComboBox4, QStringLiteral("Wählen Sie hier einen Farbnamen aus"), hintsOn);
    Label4 = buddyLabel(QStringLiteral("&Linienfarbe (nur MSIE):"), ComboBox4, "Label4");

    Shape1 = new TCShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(40, 22);
    Shape1->setBrushColor(palette().color(QPalette::Button));
    setDialogHint(Shape1, QStringLiteral("Muster der Linienfarbe"), hintsOn);
    SBtnTColor = new QToolButton(this);
    SBtnTColor->setObjectName(QStringLiteral("SBtnTColor"));
    SBtnTColor->setText(QStringLiteral("…"));
    SBtnTColor->setAutoRaise(true);
    setDialogHint(SBtnTColor, QStringLiteral("öffnet den Dialog für weitere Farben"), hintsOn);
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    const DialogButtons buttons = addDialogButtons(this, layout, 0);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        m_result = ruleMarkup(settings());
        accept();
    });
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    CheckBox1->setFocus();
}

RuleSettings TDHrMore::settings() const
{
    return {CheckBox1->isChecked(), Edit1->text(), Edit2->text(), ComboBox1->currentText(),
            ComboBox4->currentText()};
}

void TDHrMore::SBtnTColorClick()
{
    if (!m_pickColor)
        return;
    if (const std::optional<unsigned> picked = m_pickColor()) {
        // The sample shows the colour even when the value equals the swatch's start value.
        Shape1->setBrushColor(ColorText::toQColor(*picked));
        Shape1->setChangeColor(*picked);
        ComboBox4->setEditText(QLatin1Char('#') + htmlColorDigits(*picked));
    }
}
