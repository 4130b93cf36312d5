// Embedded media: the EMBED tag, the dialog TForm4 and the command that writes it.
#include "references/EmbedDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "references/FileChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace
{

QString part(const char* attribute, const QString& value)
{
    return value.isEmpty() ? QString() : QLatin1String(attribute) + value;
}

QComboBox* trueFalseBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems({QStringLiteral("true"), QStringLiteral("false")});
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

QString embedMarkup(const EmbedValues& v)
{
    return QStringLiteral("<EMBED src=\"") + v.file + QLatin1Char('"') + part(" width=", v.width) +
           part(" height=", v.height) + part(" autostart=", v.autostart) + part(" loop=", v.loop) +
           QLatin1Char('>');
}

TForm4::TForm4(const DialogEnv& env) : TDialog(env, QStringLiteral("Embed"), HelpTopic)
{
    setObjectName(QStringLiteral("Form4"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMinimumWidth(280);
    setHint(Edit2, "Die Multimediadatei, z.B. film.avi oder musik/intro.mid");
    SBtnFileOpen = new QToolButton(this);
    SBtnFileOpen->setObjectName(QStringLiteral("SBtnFileOpen"));
    SBtnFileOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    setHint(SBtnFileOpen, "Multimediadatei auswählen");
    CBVPfad = new QCheckBox(QStringLiteral("&Pfadangaben der Datei verwenden."), this);
    CBVPfad->setObjectName(QStringLiteral("CBVPfad"));
    setHint(CBVPfad, "Die Dateiauswahl schreibt auch das Verzeichnis der Datei");
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    setHint(Edit3, "Breite der Anzeige in Pixel");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    setHint(Edit1, "Höhe der Anzeige in Pixel");
    ComboBox1 = trueFalseBox(this, "ComboBox1");
    setHint(ComboBox1, "true spielt die Datei gleich nach dem Laden ab");
    ComboBox2 = trueFalseBox(this, "ComboBox2");
    setHint(ComboBox2, "true wiederholt die Datei ohne Ende");

    auto* grid = new QGridLayout;
    grid->addWidget(labelFor("&Datei:", Edit2), 0, 0);
    grid->addWidget(Edit2, 0, 1, 1, 2);
    grid->addWidget(SBtnFileOpen, 0, 3);
    grid->addWidget(CBVPfad, 1, 1, 1, 3);
    grid->addWidget(labelFor("&Width:", Edit3), 2, 0);
    grid->addWidget(Edit3, 2, 1);
    grid->addWidget(labelFor("&Height;", Edit1), 3, 0);
    grid->addWidget(Edit1, 3, 1);
    grid->addWidget(labelFor("&Autoplay:", ComboBox1), 4, 0);
    grid->addWidget(ComboBox1, 4, 1);
    grid->addWidget(labelFor("&Loop:", ComboBox2), 5, 0);
    grid->addWidget(ComboBox2, 5, 1);
    grid->setColumnStretch(2, 1);
    finishLayout(grid);
    // An ordinary window: the user may make it larger for long paths.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    setSizeGripEnabled(true);

    connect(SBtnFileOpen, &QToolButton::clicked, this, &TForm4::SBtnFileOpenClick);
    Edit2->setFocus();
}

EmbedValues TForm4::values() const
{
    return {Edit2->text(), Edit3->text(), Edit1->text(), ComboBox1->currentText(),
            ComboBox2->currentText()};
}

void TForm4::SBtnFileOpenClick()
{
    const auto chosen = FileChoice::choose(
        this, "Musik|*.mid;*.wav;*.aif;*.snd;*.au|Video|*.avi|VRML|*.wrl|Alle Dateien|*.*|",
        CBVPfad->isChecked());
    // A cancelled choice empties the field, so no stale name stays behind.
    Edit2->setText(chosen ? chosen->path + chosen->name : QString());
}

void EmbedLiveaudi1Click(TMDIChild& child)
{
    TForm4 dialog(dialogEnv(child));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const EmbedValues values = dialog.values();
    if (values.file.isEmpty())
        return;
    child.Insert(embedMarkup(values));
}

namespace
{

const DocumentCommand commands[] = {
    {"EmbedLiveaudi1Click", &EmbedLiveaudi1Click},
};

} // namespace

std::span<const DocumentCommand> embedCommands()
{
    return commands;
}
