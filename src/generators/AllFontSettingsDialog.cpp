// All font settings at once: the markup, the dialog TDSchriftartAlle and the command.
#include "generators/AllFontSettingsDialog.h"

#include "core/ColorText.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "generators/FontCommands.h"
#include "widgets/ColorPicker.h"
#include "widgets/NameLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

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

QComboBox* createColorNameBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("ComboBox4"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    NameLists::fillColorNames(box);
    return box;
}

QToolButton* createColorButton(TDialog* dialog)
{
    auto* button = new QToolButton(dialog);
    button->setObjectName(QStringLiteral("SBtnTColor"));
    button->setText(QStringLiteral("…"));
    dialog->setHint(button, "öffnet den Dialog für weitere Farben");
    return button;
}

TDSchriftartAlle::TDSchriftartAlle(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Alle Schrifteinstellungen"), 332)
{
    setObjectName(QStringLiteral("DSchriftartAlle"));
    const FontFaceBoxes boxes = createFontFaceBoxes(this);
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
    setHint(CBoxFontsize, "Wählen Sie hier die Shriftgröße!");
    Label4 = labelFor("&Schriftgröße:", CBoxFontsize);
    Label4->setObjectName(QStringLiteral("Label4"));

    ComboBox4 = createColorNameBox(this);
    setHint(ComboBox4, "Wählen Sie hier einen Farbnamen aus");
    Label5 = labelFor("Schrift&farbe:", ComboBox4);
    Label5->setObjectName(QStringLiteral("Label5"));
    SBtnTColor = createColorButton(this);
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
    finishLayout(grid);
    ComboBox1->setFocus();
}

AllFontSettings TDSchriftartAlle::settings() const
{
    return {ComboBox1->currentText(), ComboBox2->currentText(), ComboBox3->currentText(),
            ComboBox4->currentText(), CBoxFontsize->currentText()};
}

void TDSchriftartAlle::SBtnTColorClick()
{
    if (const std::optional<std::uint32_t> color = ColorPicker::pick(this))
        ComboBox4->setEditText(QLatin1Char('#') + ColorText::toHtml(*color));
}

void AlleSchrifteinstellungen1Click(TMDIChild& child)
{
    TDSchriftartAlle dialog(dialogEnv(child));
    if (dialog.exec() != QDialog::Accepted)
        return;
    child.Insert(allFontMarkup(dialog.settings(), child.TextMemo->selText()));
}

namespace
{

const DocumentCommand commands[] = {
    {"AlleSchrifteinstellungen1Click", &AlleSchrifteinstellungen1Click},
};

} // namespace

std::span<const DocumentCommand> text2Commands()
{
    return commands;
}
