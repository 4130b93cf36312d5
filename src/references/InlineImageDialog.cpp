// The inline image dialog TDInlineImage, its tag and the image command.
#include "references/InlineImageDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"
#include "references/FileChoice.h"
#include "references/RememberedList.h"
#include "widgets/ListPick.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace
{

QString part(const char* attribute, const QString& value)
{
    return value.isEmpty() ? QString() : QLatin1String(attribute) + value;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text = {})
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(255);
    return field;
}

QPushButton* fileButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("…"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}

// The image dialogs offer both picture kinds at once, without the trailing empty filter.
constexpr const char* ImageFilter = "GIF-Bilder|*.gif|JPEG-Bilder|*.jpg";

} // namespace

QString imageTag(const ImageValues& v)
{
    const QString prefix = v.external ? v.protocol + v.server + v.type : QString();
    QString preview;
    if (!v.lowsrc.isEmpty())
        preview = QStringLiteral(" lowsrc=\"") + prefix + v.path + v.lowsrc + QLatin1Char('"');
    const QString alt =
        v.alt.isEmpty() ? QString() : QStringLiteral(" alt=\"") + v.alt + QLatin1Char('"');
    return QStringLiteral("<img src=\"") + prefix + v.path + v.image + QLatin1Char('"') + preview +
           alt + part(" border=", v.border) + part(" align=", v.align) +
           part(" vspace=", v.vspace) + part(" hspace=", v.hspace) + part(" width=", v.width) +
           part(" height=", v.height) + QLatin1Char('>');
}

TDInlineImage::TDInlineImage(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Inline Image"), HelpTopic)
{
    setObjectName(QStringLiteral("DInlineImage"));
    Edit2 = edit(this, "Edit2");
    server = std::make_unique<ServerInputs>(this, Edit2);
    BildComboBox = ReferenceLists::editableList(this, "BildComboBox", {});
    CBVPfad = new QCheckBox(QStringLiteral("&lokalen Pfad der Datei verwenden."), this);
    CBVPfad->setObjectName(QStringLiteral("CBVPfad"));
    Edit3 = edit(this, "Edit3");
    Edit6 = edit(this, "Edit6", QStringLiteral("0"));
    ComboBox1 = ReferenceLists::pickList(this, "ComboBox1", ReferenceLists::alignments());
    Edit1 = edit(this, "Edit1");
    Edit4 = edit(this, "Edit4");
    Edit5 = edit(this, "Edit5");
    Edit8 = edit(this, "Edit8");
    Edit9 = edit(this, "Edit9");
    SBtnFileOpen = fileButton(this, "SBtnFileOpen");
    SpeedButton1 = fileButton(this, "SpeedButton1");
    server->addInternalOnly(CBVPfad);
    EntityKeyFilter::attach(Edit3);

    setHint(server->RadioButton1, "Das Bild liegt beim eigenen Dokument");
    setHint(server->RadioButton2, "Das Bild liegt auf einem anderen Server");
    setHint(BildComboBox, "Dateiname des Bildes");
    setHint(SBtnFileOpen, "Bild auswählen");
    setHint(SpeedButton1, "Vorschaubild auswählen");
    setHint(Edit1, "Abstand zum Text oben und unten");
    setHint(Edit4, "Abstand zum Text links und rechts");
    setHint(Edit9, "Vorschaubild in niedriger Auflösung|Ein Vorschaubild in niedriger Auflösung, "
                   "das der Browser zuerst lädt");

    connect(SBtnFileOpen, &QPushButton::clicked, this, &TDInlineImage::SBtnFileOpenClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TDInlineImage::SpeedButton1Click);
    onListPick(BildComboBox, this, [this](int index) { BildComboBoxListPick(index); });
    connect(BildComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_imageChanged = true; });

    auto* mode = new QHBoxLayout;
    mode->addWidget(server->RadioButton1);
    mode->addWidget(server->RadioButton2);
    mode->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(server->protocolLabel, 0, 0);
    grid->addWidget(server->NeoComboBox1, 1, 0);
    grid->addWidget(server->serverLabel, 0, 1);
    grid->addWidget(server->Edit7, 1, 1);
    grid->addWidget(server->typeLabel, 0, 2);
    grid->addWidget(server->NeoComboBox2, 1, 2);
    grid->addWidget(labelFor("&Bild:", BildComboBox), 2, 0);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(BildComboBox, 1);
    imageRow->addWidget(SBtnFileOpen);
    grid->addLayout(imageRow, 3, 0, 1, 2);
    grid->addWidget(CBVPfad, 3, 2);
    grid->addWidget(server->pathLabel, 4, 0, 1, 3);
    grid->addWidget(server->serverPathLabel, 4, 0, 1, 3);
    grid->addWidget(Edit2, 5, 0, 1, 3);
    grid->addWidget(labelFor("Alternativer Te&xt wenn Bild nicht vorhanden:", Edit3), 6, 0, 1, 3);
    grid->addWidget(Edit3, 7, 0, 1, 3);

    auto* placement = new QGridLayout;
    int column = 0;
    auto field = [&](const char* caption, QWidget* input) {
        placement->addWidget(labelFor(caption, input), 0, column);
        placement->addWidget(input, 1, column);
        ++column;
    };
    field("bor&der=", Edit6);
    field("alig&n=", ComboBox1);
    field("vspa&ce", Edit1);
    field("&hspace", Edit4);
    field("&width", Edit5);
    field("hei&ght", Edit8);
    auto* lowsrcRow = new QHBoxLayout;
    lowsrcRow->addWidget(labelFor("lowsrc", Edit9));
    lowsrcRow->addWidget(Edit9, 1);
    lowsrcRow->addWidget(SpeedButton1);

    auto* body = new QVBoxLayout;
    body->addLayout(mode);
    body->addLayout(grid);
    body->addLayout(placement);
    body->addLayout(lowsrcRow);
    finishLayout(body);

    FormCreate();
    BildComboBox->setFocus();
}

TDInlineImage::~TDInlineImage() = default;

void TDInlineImage::FormCreate()
{
    RememberedList::inlineImage().loadInto(BildComboBox);
}

ImageValues TDInlineImage::values() const
{
    ImageValues v;
    v.external = server->external();
    v.protocol = server->NeoComboBox1->currentText();
    v.server = server->Edit7->text();
    v.type = server->NeoComboBox2->currentText();
    v.path = Edit2->text();
    v.image = BildComboBox->currentText();
    v.lowsrc = Edit9->text();
    v.alt = Edit3->text();
    v.border = Edit6->text();
    v.align = ComboBox1->currentText();
    v.vspace = Edit1->text();
    v.hspace = Edit4->text();
    v.width = Edit5->text();
    v.height = Edit8->text();
    return v;
}

void TDInlineImage::SBtnFileOpenClick()
{
    // A cancelled choice leaves the image as it was.
    const auto chosen = FileChoice::choose(this, ImageFilter, CBVPfad->isChecked());
    if (!chosen)
        return;
    m_imageChanged = true;
    BildComboBox->setEditText(chosen->name);
    Edit2->setText(chosen->path);
}

void TDInlineImage::SpeedButton1Click()
{
    if (const auto chosen = FileChoice::choose(this, ImageFilter, false))
        Edit9->setText(chosen->name);
}

void TDInlineImage::BildComboBoxListPick(int index)
{
    if (index < 0)
        return;
    const RememberedList& images = RememberedList::inlineImage();
    auto read = [&](const char* field) { return images.value(index, QString::fromLatin1(field)); };
    Edit2->setText(read("Pfad"));
    server->NeoComboBox1->setEditText(read("Prot"));
    server->Edit7->setText(read("Server"));
    server->NeoComboBox2->setEditText(read("Typ"));
    Edit3->setText(read("Alt"));
    Edit6->setText(read("Border"));
    ReferenceLists::showText(ComboBox1, read("Align"));
    Edit1->setText(read("vspace"));
    Edit4->setText(read("hspace"));
    Edit5->setText(read("width"));
    Edit8->setText(read("height"));
    Edit9->setText(read("lowsrc"));
    server->setExternal(images.flag(index, QStringLiteral("Link"), true));
}

void TDInlineImage::accept()
{
    BitBtn1Click();
    TDialog::accept();
}

void TDInlineImage::BitBtn1Click()
{
    const ImageValues v = values();
    m_tag = imageTag(v);
    if (m_imageChanged)
        RememberedList::inlineImage().insert(
            BildComboBox,
            {{QStringLiteral("Bild"), v.image},
             {QStringLiteral("Pfad"), v.path},
             {QStringLiteral("Prot"), v.protocol},
             {QStringLiteral("Server"), v.server},
             {QStringLiteral("Typ"), v.type},
             {QStringLiteral("Alt"), v.alt},
             {QStringLiteral("Border"), v.border},
             {QStringLiteral("Align"), v.align},
             {QStringLiteral("Link"), v.external ? QStringLiteral("1") : QStringLiteral("0")},
             {QStringLiteral("vspace"), v.vspace},
             {QStringLiteral("hspace"), v.hspace},
             {QStringLiteral("width"), v.width},
             {QStringLiteral("height"), v.height},
             {QStringLiteral("lowsrc"), v.lowsrc}});
}

void Inlineimage1Click(TMDIChild& child)
{
    TDInlineImage dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.Insert(dialog.tag());
}

namespace
{

const DocumentCommand commands[] = {
    {"Inlineimage1Click", &Inlineimage1Click},
};

} // namespace

std::span<const DocumentCommand> dbilderCommands()
{
    return commands;
}
