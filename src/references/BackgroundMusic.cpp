// Background music: the bgsound tag, its place below the body line, the dialog TDBgrMusic and
// the command that writes it.
#include "references/BackgroundMusic.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "references/FileChoice.h"
#include "widgets/DialogHints.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

MusicValues& musicMemory()
{
    static MusicValues memory;
    return memory;
}

QString bgsoundTag(const MusicValues& values)
{
    return QStringLiteral("<bgsound src=\"") + values.path + values.fileName +
           QStringLiteral("\" loop=\"") + values.loop + QStringLiteral("\">");
}

int bodyLineIndex(const TExtRich& memo)
{
    const int count = memo.lineCount();
    for (int i = 0; i < count; ++i)
        if (memo.line(i).contains(QLatin1String("<body"), Qt::CaseInsensitive))
            return i;
    return -1;
}

void placeBgsound(TExtRich& memo, const QString& tag)
{
    const int body = bodyLineIndex(memo);
    if (body < 0) {
        memo.replaceSelection(tag);
        return;
    }
    const QString crlf = QStringLiteral("\r\n");
    if (body + 1 < memo.lineCount())
        memo.setLine(body + 1, tag + crlf + memo.line(body + 1));
    else
        memo.setLine(body, memo.line(body) + crlf + tag);
}

TDBgrMusic::TDBgrMusic(const DialogEnv& env, MusicValues& memory)
    : TDialog(env, QStringLiteral("Hintergrundmusik (nur MSIE)"), HelpTopic), m_memory(memory)
{
    setObjectName(QStringLiteral("DBgrMusic"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(FieldLimit);
    Edit1->setMinimumWidth(260);
    setHint(Edit1, "Der Name der Musikdatei, z.B. intro.mid");
    SBtnFileOpen = new QToolButton(this);
    SBtnFileOpen->setObjectName(QStringLiteral("SBtnFileOpen"));
    SBtnFileOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    setHint(SBtnFileOpen, "Musikdatei auswählen");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(FieldLimit);
    setHint(Edit2, "Steht vor dem Dateinamen, z.B. sound/ oder http://www.example.de/sound/");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("infinite"), QStringLiteral("1"), QStringLiteral("2"),
                         QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                         QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20")});
    ComboBox1->lineEdit()->setMaxLength(FieldLimit);
    setHint(ComboBox1, "Wie oft die Musik gespielt wird; infinite spielt sie ohne Ende");

    auto* grid = new QGridLayout;
    grid->addWidget(labelFor("&Musikdatei:", Edit1), 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(SBtnFileOpen, 1, 1);
    grid->addWidget(labelFor("&Relative oder absolute Pfadangabe:", Edit2), 2, 0, 1, 2);
    grid->addWidget(Edit2, 3, 0, 1, 2);
    grid->addWidget(labelFor("&Spieldauer der Musikdatei:", ComboBox1), 4, 0, 1, 2);
    grid->addWidget(ComboBox1, 5, 0, 1, 2);
    finishLayout(grid);

    connect(Edit1, &QLineEdit::textChanged, this, &TDBgrMusic::Edit1Change);
    connect(SBtnFileOpen, &QToolButton::clicked, this, &TDBgrMusic::SBtnFileOpenClick);
    disconnect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(okButton(), &QPushButton::clicked, this, &TDBgrMusic::BitBtn1Click);
    FormActivate();
    Edit1->setFocus();
}

void TDBgrMusic::showEvent(QShowEvent* event)
{
    TDialog::showEvent(event);
    hints()->apply();
}

void TDBgrMusic::FormActivate()
{
    // The fields show the memory; filling the name field must not write it back half-done.
    const MusicValues shown = m_memory;
    Edit1->setText(shown.fileName);
    Edit2->setText(shown.path);
    ComboBox1->setEditText(shown.loop);
    okButton()->setEnabled(!Edit1->text().isEmpty());
}

void TDBgrMusic::Edit1Change()
{
    m_memory.fileName = Edit1->text();
    okButton()->setEnabled(!m_memory.fileName.isEmpty());
}

void TDBgrMusic::SBtnFileOpenClick()
{
    // Only the name: the path field stays as the user wrote it.
    if (const auto chosen = FileChoice::choose(this, "Musikdateien|*.mid;*.wav;*.au", false))
        Edit1->setText(chosen->name);
}

void TDBgrMusic::BitBtn1Click()
{
    if (Edit1->text().isEmpty())
        return;
    m_memory = {Edit1->text(), Edit2->text(), ComboBox1->currentText()};
    accept();
}

void TDBgrMusic::BitBtn2Click()
{
    reject();
}

void TDBgrMusic::reject()
{
    m_memory.fileName.clear();
    TDialog::reject();
}

void Hintergrundmusik1Click(TMDIChild& child)
{
    MusicValues& memory = musicMemory();
    TDBgrMusic dialog(dialogEnv(child), memory);
    if (dialog.exec() != QDialog::Accepted || memory.fileName.isEmpty())
        return;
    placeBgsound(*child.TextMemo, bgsoundTag(memory));
}

namespace
{

const DocumentCommand commands[] = {
    {"Hintergrundmusik1Click", &Hintergrundmusik1Click},
};

} // namespace

std::span<const DocumentCommand> bgrMusicCommands()
{
    return commands;
}
