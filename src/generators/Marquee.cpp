// The marquee: its markup, the dialog TDMarquee and the marquee command.
#include "generators/Marquee.h"

#include "core/ColorText.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "widgets/ColorPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

// An attribute with its leading blank, such as " width=", and its value; nothing when empty.
QString part(const char* attribute, const QString& value)
{
    if (value.isEmpty())
        return {};
    return QLatin1String(attribute) + value;
}

QComboBox* editableBox(QWidget* parent, const char* name, std::initializer_list<const char*> items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : items)
        box->addItem(QString::fromLatin1(item));
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

QString marqueeMarkup(const MarqueeValues& v)
{
    QString loop;
    if (v.endless)
        loop = QStringLiteral(" loop=INFINITE");
    else if (v.count > 0)
        loop = QStringLiteral(" loop=") + QString::number(v.count);

    QString fontOpen, fontClose;
    if (!v.textColor.isEmpty()) {
        fontOpen = QStringLiteral("<font") + part(" size=", v.fontSize) +
                   part(" color=", v.textColor) + QLatin1Char('>');
        fontClose = QStringLiteral("</font>");
    }
    return fontOpen + QStringLiteral("<marquee") + part(" direction=", v.direction) +
           part(" behavior=", v.behavior) + part(" scrollamount=", v.scrollAmount) +
           part(" scrolldelay=", v.scrollDelay) + part(" height=", v.height) +
           part(" width=", v.width) + part(" hspace=", v.hspace) + part(" align=", v.align) +
           part(" bgcolor=", v.bgColor) + loop + QLatin1Char('>') + v.text +
           QStringLiteral("</marquee>") + fontClose;
}

TDMarquee::TDMarquee(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Marquee (Nur MSIE)"), HelpTopic)
{
    setObjectName(QStringLiteral("DMarquee"));
    auto edit = [this](const char* name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        return field;
    };
    Edit1 = edit("Edit1");
    ComboBox1 = editableBox(this, "ComboBox1", {"left", "right"});
    setHint(ComboBox1, "Wählen Sie hier die Laufrichtung des Textes");
    Edit2 = edit("Edit2");
    setHint(Edit2, "Hier bestimmen Sie die Pixelanzahl zwischen den Scroll-Zuständen");
    Edit3 = edit("Edit3");
    setHint(Edit3, "Hier bestimmen Sie die Verzögerung zwischen zwei Scroll-Zuständen (ms)");
    ComboBox2 = editableBox(this, "ComboBox2", {"top", "middle", "bottom"});
    Edit4 = edit("Edit4");
    Edit5 = edit("Edit5");
    Edit6 = edit("Edit6");
    ComboBox3 = editableBox(this, "ComboBox3", {"alternate", "scroll", "slide"});

    CheckBox1 = new QCheckBox(QStringLiteral("&endlos"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    setHint(CheckBox1, "Hiermit bestimmen Sie den Endlosdurchlauf");
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(0, 9999);
    SpinEdit1->setEnabled(false);
    setHint(SpinEdit1, "Geben Sie hier die Anzahl der Durchläufe des Lauftextes an");
    connect(CheckBox1, &QCheckBox::toggled, SpinEdit1,
            [this](bool endless) { SpinEdit1->setEnabled(!endless); });

    BitBtn4 = new QPushButton(QStringLiteral("&Hintergrundfarbe"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);
    setHint(BitBtn4, "Hiermit können Sie die Hintergrundfarbe des Lauftextes einstellen");
    connect(BitBtn4, &QPushButton::clicked, this, &TDMarquee::BitBtn4Click);
    BitBtn5 = new QPushButton(QStringLiteral("&Textfarbe"), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setAutoDefault(false);
    setHint(BitBtn5, "Hiermit wählen Sie die Textfarbe");
    connect(BitBtn5, &QPushButton::clicked, this, &TDMarquee::BitBtn5Click);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    Shape1->setMinimumSize(120, 40);
    setHint(Shape1, "Anzeigebereich Hintegrund- und Textfarbe");
    Label12 = new QLabel(QStringLiteral("Textfarbe"), Shape1);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setAlignment(Qt::AlignCenter);
    auto* sampleLayout = new QVBoxLayout(Shape1);
    sampleLayout->addWidget(Label12);

    CBoxFontsize = new QComboBox(this);
    CBoxFontsize->setObjectName(QStringLiteral("CBoxFontsize"));
    for (const char* size :
         {"1", "2", "3", "4", "5", "6", "7", "-2", "-1", "+0", "+1", "+2", "+3", "+4"})
        CBoxFontsize->addItem(QString::fromLatin1(size));
    CBoxFontsize->setCurrentIndex(-1);
    setHint(CBoxFontsize, "Wählen Sie hier die Shriftgröße!");
    connect(CBoxFontsize, &QComboBox::currentTextChanged, this,
            [this](const QString& size) { m_fontSize = size; });

    QLabel* amountLabel = labelFor("&Pixelanzahl:", Edit2);
    setHint(amountLabel, "scrollamount");
    QLabel* delayLabel = labelFor("&Verzögerung:", Edit3);
    setHint(delayLabel, "scrolldelay");

    auto* body = new QGridLayout;
    body->addWidget(labelFor("&Geben Sie hier den Text für den Marquee-Effekt ein:", Edit1), 0, 0,
                    1, 4);
    body->addWidget(Edit1, 1, 0, 1, 4);
    int row = 2;
    auto left = [&](QLabel* label, QWidget* field) {
        body->addWidget(label, row, 0);
        body->addWidget(field, row, 1);
        ++row;
    };
    left(labelFor("&Laufrichtung:", ComboBox1), ComboBox1);
    left(amountLabel, Edit2);
    left(delayLabel, Edit3);
    left(labelFor("&umgebender Text:", ComboBox2), ComboBox2);
    left(labelFor("H&öhe des Marquee Bereichs:", Edit4), Edit4);
    left(labelFor("B&reite des Marquee Bereichs:", Edit5), Edit5);
    left(labelFor("&Abstände Marquee-Text/Text:", Edit6), Edit6);
    left(labelFor("&behavior:", ComboBox3), ComboBox3);

    body->addWidget(labelFor("&Schleifen:", CheckBox1), 2, 2);
    body->addWidget(CheckBox1, 2, 3);
    body->addWidget(labelFor("An&zahl:", SpinEdit1), 3, 2);
    body->addWidget(SpinEdit1, 3, 3);
    body->addWidget(BitBtn4, 4, 2, 1, 2);
    body->addWidget(BitBtn5, 5, 2, 1, 2);
    body->addWidget(Shape1, 6, 2, 2, 2);
    body->addWidget(labelFor("&Schriftgröße", CBoxFontsize), 8, 2);
    body->addWidget(CBoxFontsize, 8, 3);
    body->setColumnMinimumWidth(1, 140);
    finishLayout(body);
    Edit1->setFocus();
}

MarqueeValues TDMarquee::values() const
{
    MarqueeValues v;
    v.text = Edit1->text();
    v.direction = ComboBox1->currentText();
    v.behavior = ComboBox3->currentText();
    v.scrollAmount = Edit2->text();
    v.scrollDelay = Edit3->text();
    v.height = Edit4->text();
    v.width = Edit5->text();
    v.hspace = Edit6->text();
    v.align = ComboBox2->currentText();
    v.bgColor = m_bgColor;
    v.textColor = m_textColor;
    v.fontSize = m_fontSize;
    v.endless = CheckBox1->isChecked();
    v.count = SpinEdit1->value();
    return v;
}

void TDMarquee::setBackgroundColor(std::uint32_t color)
{
    m_bgColor = QLatin1Char('#') + ColorText::toHtml(color);
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, ColorText::toQColor(color));
    Shape1->setPalette(palette);
}

void TDMarquee::setTextColor(std::uint32_t color)
{
    m_textColor = QLatin1Char('#') + ColorText::toHtml(color);
    QPalette palette = Label12->palette();
    palette.setColor(QPalette::WindowText, ColorText::toQColor(color));
    Label12->setPalette(palette);
}

void TDMarquee::BitBtn4Click()
{
    if (const auto color = ColorPicker::pick(this))
        setBackgroundColor(*color);
}

void TDMarquee::BitBtn5Click()
{
    if (const auto color = ColorPicker::pick(this))
        setTextColor(*color);
}

void Marquee1Click(TMDIChild& child)
{
    TDMarquee dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.Insert(marqueeMarkup(dialog.values()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Marquee1Click", &Marquee1Click},
};

} // namespace

std::span<const DocumentCommand> marqueeCommands()
{
    return commands;
}
