// Font markup around the selection (size, base size, colour, face), the colour value, the face
// dialog TDSchriftart and their commands.
#include "generators/FontCommands.h"

#include "core/ColorText.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "widgets/ColorPicker.h"
#include "widgets/InputBox.h"
#include "widgets/NameLists.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

QString fontWrap(const QString& attributes, const QString& selection)
{
    return QStringLiteral("<font ") + attributes + QLatin1Char('>') + selection +
           QStringLiteral("</font>");
}

QComboBox* fontBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(280);
    NameLists::fillFontFamilies(box);
    return box;
}

// Asks with an input box that starts empty; on an answer, wraps the selection.
void wrapFromInputBox(TMDIChild& child, const QString& caption, const QString& prompt,
                      QString (*markup)(const QString&, const QString&))
{
    const InputAnswer answer = inputBox(&child, caption, prompt);
    if (!answer.accepted || answer.text.isEmpty())
        return;
    child.Insert(markup(answer.text, child.TextMemo->selText()));
}

} // namespace

QString fontSizeMarkup(const QString& answer, const QString& selection)
{
    return fontWrap(QStringLiteral("size=\"") + answer + QLatin1Char('"'), selection);
}

QString baseFontMarkup(const QString& answer, const QString& selection)
{
    return QStringLiteral("<basefont size=\"") + answer + QStringLiteral("\">") + selection +
           QStringLiteral("</basefont>");
}

QString fontColorMarkup(const QString& htmlColor, const QString& selection)
{
    return fontWrap(QStringLiteral("color=\"#") + htmlColor + QLatin1Char('"'), selection);
}

QString fontFaceList(const QString& first, const QString& second, const QString& third)
{
    QString list = first;
    for (const QString& alternative : {second, third})
        if (!alternative.isEmpty())
            list += QLatin1Char(',') + alternative;
    return list;
}

QString fontFaceMarkup(const QString& faceList, const QString& selection)
{
    return fontWrap(QStringLiteral("face=\"") + faceList + QLatin1Char('"'), selection);
}

FontFaceBoxes createFontFaceBoxes(TDialog* dialog)
{
    FontFaceBoxes boxes;
    boxes.ComboBox1 = fontBox(dialog, "ComboBox1");
    boxes.ComboBox2 = fontBox(dialog, "ComboBox2");
    boxes.ComboBox3 = fontBox(dialog, "ComboBox3");
    boxes.Label1 = dialog->labelFor(
        "&Wählen Sie hier die Schriftart aus, die Sie verwenden möchten:", boxes.ComboBox1);
    boxes.Label1->setObjectName(QStringLiteral("Label1"));
    boxes.Label2 = dialog->labelFor("Alternativ &1:", boxes.ComboBox2);
    boxes.Label2->setObjectName(QStringLiteral("Label2"));
    boxes.Label3 = dialog->labelFor("Alternativ &2:", boxes.ComboBox3);
    boxes.Label3->setObjectName(QStringLiteral("Label3"));
    dialog->setHint(boxes.ComboBox2,
                    "Wählen Sie hier die alternative Schriftart aus, die@verwendet wird wenn die "
                    "erste Schriftart nicht vorhanden ist|Alternative Schriftart 1");
    dialog->setHint(boxes.ComboBox3,
                    "Wählen Sie hier die alternative Schriftart aus, die@verwendet wird wenn die "
                    "erste und zweite Schriftart nicht vorhanden ist|Alternative Schriftart 2");
    return boxes;
}

TDSchriftart::TDSchriftart(const DialogEnv& env) : TDialog(env, QStringLiteral("Schriftart"), 331)
{
    setObjectName(QStringLiteral("DSchriftart"));
    const FontFaceBoxes boxes = createFontFaceBoxes(this);
    Label1 = boxes.Label1;
    ComboBox1 = boxes.ComboBox1;
    Label2 = boxes.Label2;
    ComboBox2 = boxes.ComboBox2;
    Label3 = boxes.Label3;
    ComboBox3 = boxes.ComboBox3;

    auto* body = new QVBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{Label1, ComboBox1, Label2, ComboBox2, Label3, ComboBox3})
        body->addWidget(widget);
    finishLayout(body);
    ComboBox1->setFocus();
}

QString TDSchriftart::faceList() const
{
    return fontFaceList(ComboBox1->currentText(), ComboBox2->currentText(),
                        ComboBox3->currentText());
}

void Schriftgre11Click(TMDIChild& child)
{
    wrapFromInputBox(child, QStringLiteral("Schriftgröße"),
                     QStringLiteral("(1-7, -2, -1, +0, +1, +2, +3)"), &fontSizeMarkup);
}

void Standard1Click(TMDIChild& child)
{
    wrapFromInputBox(child, QStringLiteral("Grundgröße Schrift"),
                     QStringLiteral("Geben Sie hier die Standard-Größe der Schrift ein."),
                     &baseFontMarkup);
}

void Schriftfarbe1Click(TMDIChild& child)
{
    const QString selection = child.TextMemo->selText();
    if (const std::optional<std::uint32_t> color = ColorPicker::pick(&child))
        child.Insert(fontColorMarkup(ColorText::toHtml(*color), selection));
}

void Farbwert1Click(TMDIChild& child)
{
    if (const std::optional<std::uint32_t> color = ColorPicker::pick(&child))
        child.Insert(QLatin1Char('#') + ColorText::toHtml(*color));
}

void Schriftart1Click(TMDIChild& child)
{
    TDSchriftart dialog(dialogEnv(child));
    if (dialog.exec() != QDialog::Accepted)
        return;
    child.Insert(fontFaceMarkup(dialog.faceList(), child.TextMemo->selText()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Schriftgre11Click", &Schriftgre11Click},   {"Standard1Click", &Standard1Click},
    {"Schriftfarbe1Click", &Schriftfarbe1Click}, {"Farbwert1Click", &Farbwert1Click},
    {"Schriftart1Click", &Schriftart1Click},
};

} // namespace

std::span<const DocumentCommand> text1Commands()
{
    return commands;
}
