// The about box: program name, version and the two browsers the settings name.
#include "app/AboutBox.h"

#include "core/ShellState.h"
#include "platform/ErrorReport.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QLabel* textLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    // Selectable with the keyboard too, so the version can be copied into a report.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QString browserText(bool selected, const QString& path)
{
    return selected ? browserCaption(path) : QStringLiteral("Kein Browser eingetragen.");
}

} // namespace

void showAboutBox(QWidget* parent, const ShellState& state)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(QStringLiteral("Info"));

    QLabel* title = textLabel(AppInfo::Title, "ProgramName");
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Version:"), textLabel(AppInfo::Version, "VersionText"));
    form->addRow(
        QStringLiteral("Browser 1:"),
        textLabel(browserText(state.browser1Selected, state.browser1Path), "Browser1Text"));
    form->addRow(
        QStringLiteral("Browser 2:"),
        textLabel(browserText(state.browser2Selected, state.browser2Path), "Browser2Text"));
    auto* text =
        textLabel(QStringLiteral("Ein Editor für selbst geschriebene HTML-Seiten."), "Description");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
    dialog.exec();
}
