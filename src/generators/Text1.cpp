// Font markup around the selection (size, base size, colour, face) and the face dialog
// TDSchriftart.
#include "generators/Text1.h"

#include "generators/DialogKit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QString fontWrap(const QString& attributes, const QString& selection)
{
    return QStringLiteral("<font ") + attributes + QLatin1Char('>') + selection +
           QStringLiteral("</font>");
}

QComboBox* fontBox(QWidget* parent, const char* name, const QStringList& families)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(families);
    box->setCurrentIndex(-1);
    box->setMinimumWidth(260);
    return box;
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

FontFaceBoxes createFontFaceBoxes(QWidget* parent, const QStringList& families, bool hintsOn)
{
    FontFaceBoxes boxes;
    boxes.ComboBox1 = fontBox(parent, "ComboBox1", families);
    boxes.ComboBox2 = fontBox(parent, "ComboBox2", families);
    boxes.ComboBox3 = fontBox(parent, "ComboBox3", families);
    boxes.Label1 = buddyLabel(
        QStringLiteral("&Wählen Sie hier die Schriftart aus, die Sie verwenden möchten:"),
        boxes.ComboBox1, "Label1");
    boxes.Label2 = buddyLabel(QStringLiteral("Alternativ &1:"), boxes.ComboBox2, "Label2");
    boxes.Label3 = buddyLabel(QStringLiteral("Alternativ &2:"), boxes.ComboBox3, "Label3");
    setDialogHint(boxes.ComboBox2,
                  QStringLiteral("Wählen Sie hier die alternative Schriftart aus, die@verwendet "
                                 "wird wenn die erste Schriftart nicht vorhanden ist|Alternative "
                                 "Schriftart 1"),
                  hintsOn);
    setDialogHint(boxes.ComboBox3,
                  QStringLiteral("Wählen Sie hier die alternative Schriftart aus, die@verwendet "
                                 "wird wenn die erste und zweite Schriftart nicht vorhanden "
                                 "ist|Alternative Schriftart 2"),
                  hintsOn);
    return boxes;
}

TDSchriftart::TDSchriftart(const QStringList& families, bool hintsOn, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DSchriftart"));
    setWindowTitle(QStringLiteral("Schriftart"));
    const FontFaceBoxes boxes = createFontFaceBoxes(this, families, hintsOn);
    Label1 = boxes.Label1;
    ComboBox1 = boxes.ComboBox1;
    Label2 = boxes.Label2;
    ComboBox2 = boxes.ComboBox2;
    Label3 = boxes.Label3;
    ComboBox3 = boxes.ComboBox3;

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(ComboBox1),
                            static_cast<QWidget*>(Label2), static_cast<QWidget*>(ComboBox2),
                            static_cast<QWidget*>(Label3), static_cast<QWidget*>(ComboBox3)})
        layout->addWidget(widget);
    const DialogButtons buttons = addDialogButtons(this, layout, 331);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    ComboBox1->setFocus();
}

QString TDSchriftart::faceList() const
{
    return fontFaceList(ComboBox1->currentText(), ComboBox2->currentText(),
                        ComboBox3->currentText());
}
