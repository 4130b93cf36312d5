// Help for dialogs: the "&Hilfe" button and F1 open the help window at a topic number.
#include "widgets/DialogHelp.h"

#include <QPushButton>
#include <QShortcut>
#include <utility>

namespace
{

HelpOpener& installedOpener()
{
    static HelpOpener opener;
    return opener;
}

} // namespace

HelpOpener setHelpOpener(HelpOpener opener)
{
    return std::exchange(installedOpener(), std::move(opener));
}

void openHelp(QWidget* from, int topic)
{
    if (installedOpener())
        installedOpener()(from, topic);
}

QPushButton* makeHelpButton(QWidget* dialog, int topic)
{
    auto* button = new QPushButton(QStringLiteral("&Hilfe"), dialog);
    button->setObjectName(QStringLiteral("HelpButton"));
    // Return stays with OK even while the help button has the focus.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [dialog, topic] { openHelp(dialog, topic); });
    return button;
}

void bindHelpKey(QWidget* dialog, int topic)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, dialog,
                     [dialog, topic] { openHelp(dialog, topic); });
}
