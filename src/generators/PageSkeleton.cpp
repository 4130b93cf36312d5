// The page skeleton: its markup, the title dialog TDTitelSeite and the skeleton command.
#include "generators/PageSkeleton.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"
#include "editor/TextControl.h"
#include "widgets/DialogHints.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace
{

const QString CrLf = QStringLiteral("\r\n");

const char* const docTypes[] = {
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 1.0//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 0//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 1//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 2//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 3//EN\">",
};

QString head(const SkeletonValues& values)
{
    return QStringLiteral("<html>") + CrLf + QStringLiteral("<head>") + CrLf + CrLf +
           values.titleLine + QStringLiteral("</head>") + CrLf + QStringLiteral("<body>") + CrLf +
           CrLf;
}

} // namespace

QString titleLineFor(const QString& title)
{
    if (title.isEmpty())
        return {};
    return QStringLiteral("<title>") + title + QStringLiteral("</title>") + CrLf;
}

QString skeletonBlock(const SkeletonValues& values)
{
    return values.docTypeLine + head(values) + QStringLiteral("</body>") + CrLf +
           QStringLiteral("</html>");
}

QString skeletonAround(const SkeletonValues& values, const QString& text)
{
    return values.docTypeLine + CrLf + head(values) + text + CrLf + QStringLiteral("</body>") +
           CrLf + QStringLiteral("</html>");
}

QStringList documentTypes()
{
    QStringList types;
    for (const char* type : docTypes)
        types.append(QString::fromLatin1(type));
    return types;
}

TDTitelSeite::TDTitelSeite(const DialogEnv& env, ShellState& state)
    : TFlagDialog(env, QStringLiteral("Titel für die WWW Seite"), HelpTopic, state.acceptFlag),
      m_state(state)
{
    setObjectName(QStringLiteral("DTitelSeite"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(Edit1->fontMetrics().averageCharWidth() * 60);
    setHint(Edit1, "Geben Sie hier den Titel Ihrer Seite an.");
    EntityKeyFilter::attach(Edit1);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(documentTypes());
    ComboBox1->setCurrentIndex(-1);
    setHint(ComboBox1, "Hier können Sie die HTML-Version spezifizieren");

    QLabel* titleLabel = labelFor("&Titel:", Edit1);
    titleLabel->setObjectName(QStringLiteral("Label2"));
    Label1 = labelFor("&Dokumenttyp", ComboBox1);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* body = new QGridLayout;
    body->addWidget(titleLabel, 0, 0);
    body->addWidget(Edit1, 0, 1);
    body->addWidget(Label1, 1, 0);
    body->addWidget(ComboBox1, 1, 1);
    finishLayout(body);
    Edit1->setFocus();
}

void TDTitelSeite::accept()
{
    m_state.titleLine = titleLineFor(Edit1->text());
    m_state.docTypeLine = ComboBox1->currentText();
    TFlagDialog::accept();
}

void TDTitelSeite::showEvent(QShowEvent* event)
{
    TFlagDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TDTitelSeite::changeEvent(QEvent* event)
{
    TFlagDialog::changeEvent(event);
    // The hint switch is read again each time the dialog becomes active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        hints()->apply();
}

void Grundgersteinfgen1Click(TMDIChild& child)
{
    ShellState& state = shellStateOf(child);
    {
        TDTitelSeite dialog(dialogEnv(child), state);
        dialog.exec();
    }
    if (!state.acceptFlag)
        return;
    const SkeletonValues values{state.docTypeLine, state.titleLine};
    TExtRich* memo = child.TextMemo;
    if (memo->lineCount() <= 1) {
        child.Insert(skeletonBlock(values));
        return;
    }
    memo->selectAllText();
    child.Insert(skeletonAround(values, memo->selText()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Grundgersteinfgen1Click", &Grundgersteinfgen1Click},
};

} // namespace

std::span<const DocumentCommand> dtitelCommands()
{
    return commands;
}
