// The frameset dialog TFrameset and the frameset command.
#include "references/FramesetDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

TFrameset::TFrameset(const DialogEnv& env) : TDialog(env, QStringLiteral("Frameset"))
{
    setObjectName(QStringLiteral("Frameset"));
    RadioButton1 = new QRadioButton(QStringLiteral("&Zeilen (rows)"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    setHint(RadioButton1, "Die Frames werden untereinander angeordnet");
    RadioButton2 = new QRadioButton(QStringLiteral("&Spalten (cols)"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    setHint(RadioButton2, "Die Frames werden nebeneinander angeordnet");

    auto* body = new QGridLayout;
    body->addWidget(RadioButton1, 0, 0, 1, 2);
    body->addWidget(RadioButton2, 1, 0, 1, 2);
    const char* const captions[] = {"&1", "&2", "&3", "&4", "&5"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems({QStringLiteral("*"), QStringLiteral("10%"), QStringLiteral("20%"),
                       QStringLiteral("30%"), QStringLiteral("40%"), QStringLiteral("50%"),
                       QStringLiteral("60%"), QStringLiteral("70%"), QStringLiteral("80%"),
                       QStringLiteral("90%"), QStringLiteral("100%")});
        box->setCurrentIndex(-1);
        box->setMinimumWidth(90);
        setHint(box, "Größe des Frames in Prozent, Pixeln oder * für den Rest");
        sizeBoxes[std::size_t(i)] = box;
        body->addWidget(labelFor(captions[i], box), i + 2, 0);
        body->addWidget(box, i + 2, 1);
    }
    finishLayout(body);
    sizeBoxes[0]->setFocus();
}

FramesetValues TFrameset::values() const
{
    FramesetValues v;
    v.rows = RadioButton1->isChecked();
    for (std::size_t i = 0; i < sizeBoxes.size(); ++i)
        v.sizes[i] = sizeBoxes[i]->currentText();
    return v;
}

void Frameset1Click(TMDIChild& child)
{
    TFrameset dialog(dialogEnv(child));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const FramesetValues values = dialog.values();
    child.WrapSelection(framesetOpenTag(values), QStringLiteral("</frameset>"));
}

namespace
{

const DocumentCommand commands[] = {
    {"Frameset1Click", &Frameset1Click},
};

} // namespace

std::span<const DocumentCommand> framesetCommands()
{
    return commands;
}
