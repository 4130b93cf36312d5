// The link dialog TDVerweis, its start tag and the link command.
#include "references/LinkDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"
#include "references/FileChoice.h"
#include "references/RememberedList.h"
#include "widgets/ListPick.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
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

QString quoted(const char* attribute, const QString& value)
{
    return value.isEmpty() ? QString() : QLatin1String(attribute) + value + QLatin1Char('"');
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

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString linkStartTag(const LinkValues& v)
{
    const QString target = quoted(" target=\"", v.target);
    const QString anchor = part("#", v.anchor);
    QString image;
    if (!v.image.isEmpty())
        image = QStringLiteral("<img src=\"") + v.imagePath + v.image + QLatin1Char('"') +
                quoted(" alt=\"", v.alt) + part(" border=", v.border) + part(" align=", v.align) +
                QLatin1Char('>');
    const QString server = v.external ? v.protocol + v.server + v.type : QString();
    return QStringLiteral("<a href=\"") + server + v.path + v.file + anchor + QLatin1Char('"') +
           target + QLatin1Char('>') + image;
}

TDVerweis::TDVerweis(const DialogEnv& env) : TDialog(env, QStringLiteral("Verweise"), HelpTopic)
{
    setObjectName(QStringLiteral("DVerweis"));
    Edit5 = edit(this, "Edit5");
    server = std::make_unique<ServerInputs>(this, Edit5);
    LinkComboBox = ReferenceLists::editableList(this, "LinkComboBox", {});
    CBVPfad = new QCheckBox(QStringLiteral("&lokalen Pfad der Datei verwenden."), this);
    CBVPfad->setObjectName(QStringLiteral("CBVPfad"));
    Edit2 = edit(this, "Edit2");
    BildComboBox = ReferenceLists::editableList(this, "BildComboBox", {});
    CheckBox1 = new QCheckBox(QStringLiteral("lokalen Pfad der Datei ver&wenden."), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Edit4 = edit(this, "Edit4");
    Edit3 = edit(this, "Edit3");
    Edit6 = edit(this, "Edit6", QStringLiteral("1"));
    ComboBox1 = ReferenceLists::pickList(this, "ComboBox1", ReferenceLists::alignments());
    TargetComboBox = ReferenceLists::editableList(this, "TargetComboBox", {});
    SBtnFileOpen = fileButton(this, "SBtnFileOpen");
    SpeedButton1 = fileButton(this, "SpeedButton1");
    server->addInternalOnly(CBVPfad);
    server->addInternalOnly(CheckBox1);
    EntityKeyFilter::attach(Edit2);
    EntityKeyFilter::attach(Edit3);

    setHint(server->RadioButton1, "Verweis auf eine Datei auf dem eigenen Rechner oder Server");
    setHint(server->RadioButton2, "Verweis auf eine Datei auf einem anderen Server");
    setHint(LinkComboBox, "Dateiname des Verweisziels|Dateiname des Verweisziels. Leere Felder "
                          "ergeben das leere Gerüst eines Verweises.");
    setHint(SBtnFileOpen, "Datei auswählen");
    setHint(SpeedButton1, "Bild auswählen");
    setHint(Edit2, "Name eines Ankers in der Zieldatei");
    setHint(BildComboBox, "Bild, das als Verweis dient");
    setHint(TargetComboBox, "Name des Zielfensters (Frame)");

    connect(SBtnFileOpen, &QPushButton::clicked, this, &TDVerweis::SBtnFileOpenClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TDVerweis::SpeedButton1Click);
    onListPick(LinkComboBox, this, [this](int index) { LinkComboBoxListPick(index); });
    onListPick(BildComboBox, this, [this](int index) { BildComboBoxListPick(index); });
    // Only what the user types counts as an edit; picked entries and filled-in text do not.
    connect(LinkComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_linkChanged = true; });
    connect(TargetComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_targetChanged = true; });
    connect(BildComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_imageChanged = true; });

    auto* mode = new QHBoxLayout;
    mode->addWidget(server->RadioButton1);
    mode->addWidget(server->RadioButton2);
    mode->addStretch();

    auto* linkBox = new QGroupBox(QStringLiteral("Verweis"), this);
    auto* link = new QGridLayout(linkBox);
    link->addWidget(server->protocolLabel, 0, 0);
    link->addWidget(server->NeoComboBox1, 1, 0);
    link->addWidget(server->serverLabel, 0, 1);
    link->addWidget(server->Edit7, 1, 1);
    link->addWidget(server->typeLabel, 0, 2);
    link->addWidget(server->NeoComboBox2, 1, 2);
    link->addWidget(labelFor("Verweis&ziel:", LinkComboBox), 2, 0);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(LinkComboBox, 1);
    fileRow->addWidget(SBtnFileOpen);
    link->addLayout(fileRow, 3, 0, 1, 2);
    link->addWidget(CBVPfad, 3, 2);
    link->addWidget(server->pathLabel, 4, 0, 1, 2);
    link->addWidget(server->serverPathLabel, 4, 0, 1, 2);
    link->addWidget(Edit5, 5, 0, 1, 2);
    link->addWidget(labelFor("An&ker:", Edit2), 4, 2);
    link->addWidget(Edit2, 5, 2);

    auto* imageBox = new QGroupBox(QStringLiteral("Bild"), this);
    auto* image = new QGridLayout(imageBox);
    image->addWidget(labelFor("&Bild:", BildComboBox), 0, 0);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(BildComboBox, 1);
    imageRow->addWidget(SpeedButton1);
    image->addLayout(imageRow, 1, 0, 1, 2);
    image->addWidget(CheckBox1, 1, 2);
    image->addWidget(labelFor("Relative oder absol&ute Pfadangabe:", Edit4), 2, 0, 1, 2);
    image->addWidget(Edit4, 3, 0, 1, 2);
    image->addWidget(labelFor("Alternativer Te&xt wenn Bild nicht vorhanden:", Edit3), 4, 0, 1, 3);
    image->addWidget(Edit3, 5, 0, 1, 3);
    image->addWidget(labelFor("border&=", Edit6), 2, 2);
    image->addWidget(Edit6, 3, 2);
    image->addWidget(labelFor("alig&n=", ComboBox1), 6, 0);
    image->addWidget(ComboBox1, 7, 0);

    auto* body = new QVBoxLayout;
    body->addLayout(mode);
    body->addWidget(linkBox);
    body->addWidget(imageBox);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(labelFor("Tar&get", TargetComboBox));
    targetRow->addWidget(TargetComboBox, 1);
    body->addLayout(targetRow);
    finishLayout(body);

    FormCreate();
    LinkComboBox->setFocus();
}

TDVerweis::~TDVerweis() = default;

void TDVerweis::FormCreate()
{
    RememberedList::target().loadInto(TargetComboBox);
    RememberedList::link().loadInto(LinkComboBox);
    RememberedList::inlineImage().loadInto(BildComboBox);
}

LinkValues TDVerweis::values() const
{
    LinkValues v;
    v.external = server->external();
    v.protocol = server->NeoComboBox1->currentText();
    v.server = server->Edit7->text();
    v.type = server->NeoComboBox2->currentText();
    v.path = Edit5->text();
    v.file = LinkComboBox->currentText();
    v.anchor = Edit2->text();
    v.target = TargetComboBox->currentText();
    v.image = BildComboBox->currentText();
    v.imagePath = Edit4->text();
    v.alt = Edit3->text();
    v.border = Edit6->text();
    v.align = ComboBox1->currentText();
    return v;
}

void TDVerweis::SBtnFileOpenClick()
{
    const auto chosen = FileChoice::choose(this, FileChoice::PageFilter, CBVPfad->isChecked());
    if (chosen)
        m_linkChanged = true;
    Edit5->setText(chosen ? chosen->path : QString());
    LinkComboBox->setEditText(chosen ? chosen->name : QString());
}

void TDVerweis::SpeedButton1Click()
{
    const auto chosen = FileChoice::choose(this, FileChoice::ImageFilter, CheckBox1->isChecked());
    if (chosen)
        m_imageChanged = true;
    Edit4->setText(chosen ? chosen->path : QString());
    BildComboBox->setEditText(chosen ? chosen->name : QString());
}

void TDVerweis::LinkComboBoxListPick(int index)
{
    if (index < 0)
        return;
    const RememberedList& links = RememberedList::link();
    auto read = [&](const char* field) { return links.value(index, QString::fromLatin1(field)); };
    Edit5->setText(read("Pfad"));
    server->NeoComboBox1->setEditText(read("Prot"));
    server->Edit7->setText(read("Server"));
    server->NeoComboBox2->setEditText(read("Typ"));
    Edit2->setText(read("Anker"));
    Edit6->setText(read("Border"));
    ReferenceLists::showText(ComboBox1, read("Align"));
    BildComboBox->setEditText(read("Bild"));
    Edit4->setText(read("BPfad"));
    Edit3->setText(read("Alt"));
    TargetComboBox->setEditText(read("Target"));
    server->setExternal(links.flag(index, QStringLiteral("Link"), true));
}

void TDVerweis::BildComboBoxListPick(int index)
{
    if (index < 0)
        return;
    const RememberedList& images = RememberedList::inlineImage();
    auto read = [&](const char* field) { return images.value(index, QString::fromLatin1(field)); };
    Edit4->setText(read("Pfad"));
    Edit3->setText(read("Alt"));
    Edit6->setText(read("Border"));
    ReferenceLists::showText(ComboBox1, read("Align"));
}

void TDVerweis::accept()
{
    BitBtn1Click();
    TDialog::accept();
}

void TDVerweis::BitBtn1Click()
{
    const LinkValues v = values();
    m_startTag = linkStartTag(v);
    if (m_linkChanged)
        RememberedList::link().insert(LinkComboBox, {{QStringLiteral("Datei"), v.file},
                                                     {QStringLiteral("Pfad"), v.path},
                                                     {QStringLiteral("Prot"), v.protocol},
                                                     {QStringLiteral("Server"), v.server},
                                                     {QStringLiteral("Typ"), v.type},
                                                     {QStringLiteral("Anker"), v.anchor},
                                                     {QStringLiteral("Bild"), v.image},
                                                     {QStringLiteral("Border"), v.border},
                                                     {QStringLiteral("Align"), v.align},
                                                     {QStringLiteral("Link"), flagText(v.external)},
                                                     {QStringLiteral("Alt"), v.alt},
                                                     {QStringLiteral("BPfad"), v.imagePath},
                                                     {QStringLiteral("Target"), v.target}});
    if (m_targetChanged)
        RememberedList::target().insert(TargetComboBox, {{QStringLiteral("T"), v.target}});
    // An image remembered from a link lies beside the page, whatever the link's own mode.
    if (m_imageChanged)
        RememberedList::inlineImage().insert(BildComboBox,
                                             {{QStringLiteral("Bild"), v.image},
                                              {QStringLiteral("Pfad"), v.imagePath},
                                              {QStringLiteral("Prot"), QStringLiteral("http://")},
                                              {QStringLiteral("Server"), QStringLiteral("www.")},
                                              {QStringLiteral("Typ"), QStringLiteral(".com")},
                                              {QStringLiteral("Alt"), v.alt},
                                              {QStringLiteral("Border"), v.border},
                                              {QStringLiteral("Align"), v.align},
                                              {QStringLiteral("Link"), QStringLiteral("0")}});
}

void VerweiszuanderenDateien1Click(TMDIChild& child)
{
    TDVerweis dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.WrapSelection(dialog.startTag(), QStringLiteral("</a>"));
}

namespace
{

const DocumentCommand commands[] = {
    {"VerweiszuanderenDateien1Click", &VerweiszuanderenDateien1Click},
};

} // namespace

std::span<const DocumentCommand> dialogCommands()
{
    return commands;
}
