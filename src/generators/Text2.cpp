// All font settings at once: the markup and the dialog TDSchriftartAlle.
#include "generators/Text2.h"

#include "generators/DialogKit.h"
#include "generators/Text1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

QString allFontMarkup(const AllFontSettings& settings, const QString& selection)
{
    QString open = QStringLiteral("<font");
    if (!settings.first.isEmpty())
        open += QStringLiteral(" face=\"") +
                fontFaceList(settings.first, settings.second, settings.third) + QLatin1Char('"');
    if (!settings.color.isEmpty())
        open += QStringLiteral(" color=\"") + settings.color + QLatin1Char('"');
    if (!settings.size.isEmpty())
        open += QStringLiteral(" size=\"") + settings.size + QLatin1Char('"');
    return open + QLatin1Char('>') + selection + QStringLiteral("</font>");
}

TDSchriftartAlle::TDSchriftartAlle(const QStringList& families, const QStringList& colorNames,
                                   ColorPick pickColor, bool hintsOn, QWidget* parent)
    : QDialog(parent), m_pickColor(std::move(pickColor))
{
    setObjectName(QStringLiteral("DSchriftartAlle"));
    setWindowTitle(QStringLiteral("Alle Schrifteinstellungen"));
    const FontFaceBoxes boxes = createFontFaceBoxes(this, families, hintsOn);
    Label1 = boxes.Label1;
    ComboBox1 = boxes.ComboBox1;
    Label2 = boxes.Label2;
    ComboBox2 = boxes.ComboBox2;
    Label3 = boxes.Label3;
    ComboBox3 = boxes.ComboBox3;

    CBoxFontsize = new QComboBox(this);
    CBoxFontsize->setObjectName(QStringLiteral("CBoxFontsize"));
    CBoxFontsize->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
         QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("-3"),
         QStringLiteral("-2"), QStringLiteral("-1"), QStringLiteral("+0"), QStringLiteral("+1"),
         QStringLiteral("+2"), QStringLiteral("+3"), QStringLiteral("+4"), QString()});
    CBoxFontsize->setMaxVisibleItems(7);
    CBoxFontsize->setCurrentIndex(-1);
    setDialogHint(CBoxFontsize, QStringLiteral("Wählen Sie hier die Shriftgröße!"), hintsOn);
    Label4 = buddyLabel(QStringLiteral("&Schriftgröße:"), CBoxFontsize, "Label4");

    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->addItems(colorNames);
    ComboBox4->setCurrentIndex(-1);
    setDialogHint(ComboBox4, QStringLiteral("Wählen Sie hier einen Farbnamen aus"), hintsOn);
    Label5 = buddyLabel(QStringLiteral("Schrift&farbe:"), ComboBox4, "Label5");

    SBtnTColor = new QToolButton(this);
    SBtnTColor->setObjectName(QStringLiteral("SBtnTColor"));
    SBtnTColor->setText(QStringLiteral("…"));
    SBtnTColor->setAutoRaise(true);
    setDialogHint(SBtnTColor, QStringLiteral("öffnet den Dialog für weitere Farben"), hintsOn);
    connect(SBtnTColor, &QToolButton::clicked, this, &TDSchriftartAlle::SBtnTColorClick);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(ComboBox1, 1, 0, 1, 3);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(ComboBox2, 2, 1, 1, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(ComboBox3, 3, 1, 1, 2);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(CBoxFontsize, 4, 1, 1, 2);
    grid->addWidget(Label5, 5, 0);
    grid->addWidget(ComboBox4, 5, 1);
    grid->addWidget(SBtnTColor, 5, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    const DialogButtons buttons = addDialogButtons(this, layout, 332);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    ComboBox1->setFocus();
}

AllFontSettings TDSchriftartAlle::settings() const
{
    return {ComboBox1->currentText(), ComboBox2->currentText(), ComboBox3->currentText(),
            ComboBox4->currentText(), CBoxFontsize->currentText()};
}

void TDSchriftartAlle::SBtnTColorClick()
{
    if (!m_pickColor)
        return;
    if (const std::optional<unsigned> picked = m_pickColor())
        ComboBox4->setEditText(QLatin1Char('#') + htmlColorDigits(*picked));
}
