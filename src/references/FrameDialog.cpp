// The frame dialog TForm1 and the frame command.
#include "references/FrameDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
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

namespace
{

QComboBox* historyBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(220);
    return box;
}

QLineEdit* field(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

TForm1::TForm1(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Frame"), HelpTopic), Edit5(field(this, "Edit5")),
      server(this, Edit5)
{
    setObjectName(QStringLiteral("Form1"));
    LinkComboBox = historyBox(this, "LinkComboBox");
    setHint(LinkComboBox, "Die Datei, die im Frame angezeigt wird");
    SBtnFileOpen = new QPushButton(QStringLiteral("..."), this);
    SBtnFileOpen->setObjectName(QStringLiteral("SBtnFileOpen"));
    SBtnFileOpen->setAutoDefault(false);
    setHint(SBtnFileOpen, "Datei auswählen");
    Edit2 = field(this, "Edit2");
    TargetComboBox = historyBox(this, "TargetComboBox");
    setHint(TargetComboBox, "Name des Frames, auf den Verweise zielen können");
    Edit1 = field(this, "Edit1");
    setHint(Edit1, "Abstand des Inhalts zum linken und rechten Rand in Pixeln");
    Edit3 = field(this, "Edit3");
    setHint(Edit3, "Abstand des Inhalts zum oberen und unteren Rand in Pixeln");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(
        {QString(), QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("auto")});
    setHint(ComboBox1, "Bildlaufleisten des Frames");
    CheckBox1 = new QCheckBox(QStringLiteral("n&oresize"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setHint(CheckBox1, "Der Besucher kann die Größe des Frames nicht ändern");

    // FormCreate: the target list, then the link history; the flags start cleared.
    RememberedList::target().loadInto(TargetComboBox);
    TargetComboBox->setEditText(QString());
    RememberedList::link().loadInto(LinkComboBox);
    LinkComboBox->setEditText(QString());

    connect(LinkComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_linkChanged = true; });
    connect(TargetComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_targetChanged = true; });
    onListPick(LinkComboBox, this, [this](int index) { LinkComboBoxListPick(index); });
    connect(SBtnFileOpen, &QPushButton::clicked, this, &TForm1::SBtnFileOpenClick);

    auto* body = new QGridLayout;
    int row = server.addTo(body, 0);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(LinkComboBox, 1);
    linkRow->addWidget(SBtnFileOpen);
    body->addWidget(labelFor("Verweis&ziel:", LinkComboBox), row, 0);
    body->addLayout(linkRow, row++, 1);
    body->addWidget(server.CBVPfad, row++, 1);
    body->addWidget(server.localPathLabel, row, 0);
    body->addWidget(server.serverPathLabel, row, 0);
    body->addWidget(Edit5, row++, 1);
    body->addWidget(labelFor("An&ker:", Edit2), row, 0);
    body->addWidget(Edit2, row++, 1);
    body->addWidget(labelFor("&Name:", TargetComboBox), row, 0);
    body->addWidget(TargetComboBox, row++, 1);
    body->addWidget(labelFor("&Marginwidth", Edit1), row, 0);
    body->addWidget(Edit1, row++, 1);
    body->addWidget(labelFor("Margin&height", Edit3), row, 0);
    body->addWidget(Edit3, row++, 1);
    body->addWidget(labelFor("S&crolling", ComboBox1), row, 0);
    body->addWidget(ComboBox1, row++, 1);
    body->addWidget(CheckBox1, row++, 1);
    finishLayout(body);
    LinkComboBox->setFocus();
}

FrameValues TForm1::values() const
{
    FrameValues v;
    v.external = server.external();
    v.protocol = server.NeoComboBox1->currentText();
    v.server = server.Edit7->text();
    v.type = server.NeoComboBox2->currentText();
    v.path = Edit5->text();
    v.file = LinkComboBox->currentText();
    v.anchor = Edit2->text();
    v.name = TargetComboBox->currentText();
    v.scrolling = ComboBox1->currentText();
    v.marginWidth = Edit1->text();
    v.marginHeight = Edit3->text();
    v.noresize = CheckBox1->isChecked();
    return v;
}

void TForm1::SBtnFileOpenClick()
{
    takeFile(FileChoice::choose(this, FileChoice::PageFilter, server.CBVPfad->isChecked()));
}

void TForm1::takeFile(const std::optional<FileChoice::Chosen>& chosen)
{
    // As in the link dialog, a cancelled choice empties name and path.
    if (!chosen) {
        LinkComboBox->setEditText(QString());
        Edit5->clear();
        return;
    }
    m_linkChanged = true;
    LinkComboBox->setEditText(chosen->name);
    Edit5->setText(chosen->path);
}

void TForm1::LinkComboBoxListPick(int index)
{
    const RememberedList& links = RememberedList::link();
    Edit5->setText(links.value(index, QStringLiteral("Pfad")));
    server.setServer(links.value(index, QStringLiteral("Prot")),
                     links.value(index, QStringLiteral("Server")),
                     links.value(index, QStringLiteral("Typ")));
    Edit2->setText(links.value(index, QStringLiteral("Anker")));
    TargetComboBox->setEditText(links.value(index, QStringLiteral("Target")));
    server.setExternal(links.flag(index, QStringLiteral("Link"), true));
}

void TForm1::accept()
{
    const FrameValues v = values();
    if (m_linkChanged) {
        RememberedList::link().insert(
            LinkComboBox,
            {{QStringLiteral("Datei"), v.file},
             {QStringLiteral("Pfad"), v.path},
             {QStringLiteral("Prot"), v.protocol},
             {QStringLiteral("Server"), v.server},
             {QStringLiteral("Typ"), v.type},
             {QStringLiteral("Anker"), v.anchor},
             {QStringLiteral("Link"), v.external ? QStringLiteral("1") : QStringLiteral("0")},
             {QStringLiteral("Target"), v.name}});
    }
    if (m_targetChanged)
        RememberedList::target().insert(TargetComboBox, {{QStringLiteral("T"), v.name}});
    TDialog::accept();
}

void Frame1Click(TMDIChild& child)
{
    TForm1 dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.Insert(frameTag(dialog.values()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Frame1Click", &Frame1Click},
};

} // namespace

std::span<const DocumentCommand> frameCommands()
{
    return commands;
}
