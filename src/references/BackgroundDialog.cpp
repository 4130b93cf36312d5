// The background dialog TDBgrdImage: image, watermark, five colours and the colour schemes.
#include "references/BackgroundDialog.h"

#include "core/ColorText.h"
#include "references/RememberedList.h"
#include "references/SchemeNameDialog.h"
#include "widgets/ColorPicker.h"
#include "widgets/ColorSwatch.h"
#include "widgets/ListPick.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

const char* const AttributeNames[] = {"bgcolor", "text", "link", "vlink", "alink"};

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* swatchLabel(TCShape* swatch, const char* name, const char* caption)
{
    auto* label = new QLabel(QString::fromUtf8(caption), swatch);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TDBgrdImage::TDBgrdImage(const DialogEnv& env, std::optional<std::uint32_t> quickColor)
    : TDialog(env, QStringLiteral("Hintergrundeinstellungen"), HelpTopic),
      Edit2(new QLineEdit(this)), server(this, Edit2)
{
    setObjectName(QStringLiteral("DBgrdImage"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    BildComboBox = new QComboBox(this);
    BildComboBox->setObjectName(QStringLiteral("BildComboBox"));
    BildComboBox->setEditable(true);
    BildComboBox->setInsertPolicy(QComboBox::NoInsert);
    BildComboBox->setMinimumWidth(200);
    setHint(BildComboBox, "Das Bild, mit dem der Hintergrund gekachelt wird");
    SBtnFileOpen = button(this, "SBtnFileOpen", "...");
    SBtnFileOpen->setFixedWidth(32);
    setHint(SBtnFileOpen, "Bilddatei auswählen");
    CheckBox1 = new QCheckBox(QStringLiteral("bgproperties=fi&xed"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setHint(CheckBox1, "Wasserzeichen: das Bild bleibt beim Blättern stehen (nur MSIE)");

    const char* const buttonNames[] = {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8"};
    const char* const captions[] = {"Hintergrund&farbe", "Textfa&rbe", "Li&nkfarbe",
                                    "Bes&uchter Link", "A&ktiver Link"};
    for (int i = 0; i < 5; ++i) {
        colorButtons[std::size_t(i)] = button(this, buttonNames[i], captions[i]);
        connect(colorButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { colorButtonClick(Slot(i)); });
    }
    BGrdColor1 = new TCShape(this);
    BGrdColor1->setObjectName(QStringLiteral("BGrdColor1"));
    BGrdColor1->setMinimumSize(150, 110);
    LTextFarbe = swatchLabel(BGrdColor1, "LTextFarbe", "Textfarbe");
    LLinkFarbe = swatchLabel(BGrdColor1, "LLinkFarbe", "Linkfarbe");
    LBesuchterLinkFarbe = swatchLabel(BGrdColor1, "LBesuchterLinkFarbe", "Besuchter Link");
    LAktiverLinkFarbe = swatchLabel(BGrdColor1, "LAktiverLinkFarbe", "Aktiver Link");
    auto* swatchLayout = new QVBoxLayout(BGrdColor1);
    for (QLabel* label : {LTextFarbe, LLinkFarbe, LBesuchterLinkFarbe, LAktiverLinkFarbe})
        swatchLayout->addWidget(label);

    CBoxSchema = new QComboBox(this);
    CBoxSchema->setObjectName(QStringLiteral("CBoxSchema"));
    CBoxSchema->setEditable(true);
    CBoxSchema->setInsertPolicy(QComboBox::NoInsert);
    setHint(CBoxSchema, "Gespeicherte Farbschemata");
    BitBtnSichern = button(this, "BitBtnSichern", "Sichern");
    setHint(BitBtnSichern, "Die gewählten Farben als Farbschema speichern");
    BitBtnLoeschen = button(this, "BitBtnLoeschen", "Löschen");
    setHint(BitBtnLoeschen, "Das angezeigte Farbschema löschen");

    // FormCreate and FormActivate: histories and schemes, then the start colours.
    RememberedList::backPicture().loadInto(BildComboBox);
    BildComboBox->setEditText(QString());
    QStringList schemes = SchemaStore::names();
    schemes.sort(Qt::CaseInsensitive);
    CBoxSchema->addItems(schemes);
    CBoxSchema->setEditText(QString());
    for (int i = 0; i < 5; ++i)
        setColor(Slot(i), m_colors[std::size_t(i)]);
    m_attributes.fill(QString());
    if (quickColor)
        setColor(Background, *quickColor);

    connect(BildComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_imageChanged = true; });
    onListPick(BildComboBox, this, [this](int index) { BildComboBoxListPick(index); });
    connect(SBtnFileOpen, &QPushButton::clicked, this, &TDBgrdImage::SBtnFileOpenClick);
    onListPick(CBoxSchema, this, [this](int index) { CBoxSchemaListPick(index); });
    connect(BitBtnSichern, &QPushButton::clicked, this, &TDBgrdImage::BitBtnSichernClick);
    connect(BitBtnLoeschen, &QPushButton::clicked, this, &TDBgrdImage::BitBtnLoeschenClick);

    // Labels stand above their fields and the server inputs share one row, so that the dialog
    // fits a small screen; long history entries or scheme names do not widen it.
    for (QComboBox* box : {BildComboBox, CBoxSchema}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(16);
    }
    auto* left = new QGridLayout;
    left->addWidget(server.RadioButton1, 0, 0);
    left->addWidget(server.RadioButton2, 0, 1, 1, 2);
    left->addWidget(server.protocolLabel, 1, 0);
    left->addWidget(server.serverLabel, 1, 1);
    left->addWidget(server.typeLabel, 1, 2);
    left->addWidget(server.NeoComboBox1, 2, 0);
    left->addWidget(server.Edit7, 2, 1);
    left->addWidget(server.NeoComboBox2, 2, 2);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(BildComboBox, 1);
    imageRow->addWidget(SBtnFileOpen);
    left->addWidget(labelFor("Hintergrund&bild:", BildComboBox), 3, 0, 1, 3);
    left->addLayout(imageRow, 4, 0, 1, 3);
    left->addWidget(server.CBVPfad, 5, 0, 1, 3);
    left->addWidget(server.localPathLabel, 6, 0, 1, 3);
    left->addWidget(server.serverPathLabel, 6, 0, 1, 3);
    left->addWidget(Edit2, 7, 0, 1, 3);
    left->addWidget(CheckBox1, 8, 0, 1, 3);
    left->setRowStretch(9, 1);

    auto* right = new QGridLayout;
    for (int i = 0; i < 5; ++i)
        right->addWidget(colorButtons[std::size_t(i)], i, 0);
    right->addWidget(BGrdColor1, 0, 1, 5, 2);
    right->addWidget(labelFor("Schema", CBoxSchema), 5, 0);
    right->addWidget(CBoxSchema, 5, 1, 1, 2);
    right->addWidget(BitBtnSichern, 6, 1);
    right->addWidget(BitBtnLoeschen, 6, 2);
    right->setRowStretch(7, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(12);
    body->addLayout(right);
    finishLayout(body);
    BildComboBox->setFocus();
}

QLabel* TDBgrdImage::slotLabel(Slot slot) const
{
    switch (slot) {
    case Text:
        return LTextFarbe;
    case Link:
        return LLinkFarbe;
    case VLink:
        return LBesuchterLinkFarbe;
    case ALink:
        return LAktiverLinkFarbe;
    case Background:
        break;
    }
    return nullptr;
}

void TDBgrdImage::setColor(Slot slot, std::uint32_t color)
{
    m_colors[std::size_t(slot)] = color;
    m_attributes[std::size_t(slot)] = colorAttribute(AttributeNames[slot], color);
    if (QLabel* label = slotLabel(slot)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ColorText::toQColor(color));
        label->setPalette(palette);
    } else {
        BGrdColor1->setChangeColor(color);
    }
}

SchemaStore::Colors TDBgrdImage::shownColors() const
{
    return m_colors;
}

BodyAttributes TDBgrdImage::bodyAttributes() const
{
    BodyAttributes a;
    a.image = m_image;
    a.bgcolor = m_attributes[Background];
    a.text = m_attributes[Text];
    a.link = m_attributes[Link];
    a.vlink = m_attributes[VLink];
    a.alink = m_attributes[ALink];
    return a;
}

void TDBgrdImage::colorButtonClick(Slot slot)
{
    const std::uint32_t current = m_colors[std::size_t(slot)];
    if (const auto color = ColorPicker::pick(
            this, (current & ColorText::SystemColorBase) ? 0xFFFFFF : current, ColorHelpTopic))
        setColor(slot, *color);
}

void TDBgrdImage::SBtnFileOpenClick()
{
    // A cancelled choice keeps what the fields hold.
    const auto chosen =
        FileChoice::choose(this, FileChoice::ImageFilter, server.CBVPfad->isChecked());
    if (!chosen)
        return;
    BildComboBox->setEditText(chosen->name);
    Edit2->setText(chosen->path);
    m_imageChanged = true;
}

void TDBgrdImage::BildComboBoxListPick(int index)
{
    const RememberedList& images = RememberedList::backPicture();
    Edit2->setText(images.value(index, QStringLiteral("Pfad")));
    server.setServer(images.value(index, QStringLiteral("Prot")),
                     images.value(index, QStringLiteral("Server")),
                     images.value(index, QStringLiteral("Typ")));
    server.setExternal(images.flag(index, QStringLiteral("Link"), true));
    CheckBox1->setChecked(images.flag(index, QStringLiteral("Prop"), true));
}

void TDBgrdImage::CBoxSchemaListPick(int index)
{
    if (index < 0)
        return;
    const SchemaStore::Colors colors = SchemaStore::read(CBoxSchema->itemText(index));
    for (int i = 0; i < 5; ++i)
        setColor(Slot(i), colors[std::size_t(i)]);
}

void TDBgrdImage::BitBtnSichernClick()
{
    DialogEnv env;
    env.parent = this;
    TDFSchema ask(env);
    if (ask.exec() != QDialog::Accepted || ask.name().isEmpty())
        return;
    const QString name = ask.name();
    // The store's keys ignore case, so "rot" is the scheme "Rot" and keeps that name.
    if (const int existing = CBoxSchema->findText(name, Qt::MatchFixedString); existing >= 0) {
        if (QMessageBox::question(this, QStringLiteral("Hinweis"),
                                  QStringLiteral("Wollen Sie das vorhandene Farbschema ersetzen?"),
                                  QMessageBox::Ok | QMessageBox::Cancel,
                                  QMessageBox::Ok) == QMessageBox::Ok)
            SchemaStore::write(CBoxSchema->itemText(existing), m_colors);
        return;
    }
    // The drop-down stays sorted; the store keeps the names in the order they were saved.
    int at = 0;
    while (at < CBoxSchema->count() &&
           CBoxSchema->itemText(at).compare(name, Qt::CaseInsensitive) < 0)
        ++at;
    CBoxSchema->insertItem(at, name);
    CBoxSchema->setCurrentIndex(at);
    SchemaStore::write(name, m_colors);
    SchemaStore::addName(name);
}

void TDBgrdImage::BitBtnLoeschenClick()
{
    const QString name = CBoxSchema->currentText();
    if (name.isEmpty())
        return;
    SchemaStore::remove(name);
    for (int index; (index = CBoxSchema->findText(name, Qt::MatchFixedString)) >= 0;)
        CBoxSchema->removeItem(index);
    CBoxSchema->setCurrentIndex(-1);
    CBoxSchema->setEditText(QString());
}

void TDBgrdImage::accept()
{
    BackgroundImageValues image;
    image.external = server.external();
    image.protocol = server.NeoComboBox1->currentText();
    image.server = server.Edit7->text();
    image.type = server.NeoComboBox2->currentText();
    image.path = Edit2->text();
    image.file = BildComboBox->currentText();
    image.fixed = CheckBox1->isChecked();
    m_image = backgroundImageAttribute(image);
    if (m_imageChanged) {
        RememberedList::backPicture().insert(
            BildComboBox,
            {{QStringLiteral("Bild"), image.file},
             {QStringLiteral("Pfad"), image.path},
             {QStringLiteral("Prot"), image.protocol},
             {QStringLiteral("Server"), image.server},
             {QStringLiteral("Typ"), image.type},
             {QStringLiteral("Link"), image.external ? QStringLiteral("1") : QStringLiteral("0")},
             {QStringLiteral("Prop"), image.fixed ? QStringLiteral("1") : QStringLiteral("0")}});
    }
    TDialog::accept();
}
