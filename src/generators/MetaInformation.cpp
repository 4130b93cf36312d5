// Meta information and the base reference: their markup, the meta dialog and the commands.
#include "generators/MetaInformation.h"

#include "core/DateNames.h"
#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "widgets/InputBox.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{

const QString CrLf = QStringLiteral("\r\n");

// The maker lines end in "-->" at column 76.
constexpr int MakerLineLength = 76;
const char* const MakerHomepage = "http://www.orvanto.de/tessaline/";
const char* const MakerEMail = "tessaline@orvanto.de";

QString makerLine(const QString& start, const QString& value)
{
    const QString end = QStringLiteral("-->");
    QString line = start + value;
    // An address too long for the padding keeps every character; the line then runs longer.
    if (line.size() + end.size() < MakerLineLength)
        line += QString(MakerLineLength - end.size() - line.size(), QLatin1Char(' '));
    return line + end;
}

} // namespace

QString metaBlockMarkup(const MetaBlockValues& v)
{
    const QString lines[] = {
        QStringLiteral("<meta name=\"GENERATOR\"       content=\"Tessaline 3.0r7a32 light\">"),
        QStringLiteral("<meta name=\"author\"          content=\"") + v.userName +
            QStringLiteral("\">"),
        QStringLiteral(
            "<meta name=\"description\"     content=\"Schreiben Sie hier eine Beschreibung\">"),
        QStringLiteral("<meta name=\"keywords\"        content=\"Schreiben Sie hier Stichworte\">"),
        QStringLiteral("<meta name=\"distribution\"    content=\"Global\">"),
        QStringLiteral("<meta name=\"ROBOTS\"          content=\"ALL\">"),
        QStringLiteral("<meta http-equiv=\"Copyright\" content=\"") + v.year + QLatin1Char(' ') +
            v.userName + QStringLiteral("\">"),
        QStringLiteral("<meta http-equiv=\"Erstellt\"  content=\"") + v.stamp +
            QStringLiteral("\">"),
        QStringLiteral("<!-- Diese Seite wurde mit dem Tessaline 3.0 light 32bit erstellt! -->"),
        makerLine(QStringLiteral("<!-- Homepage: "), QString::fromLatin1(MakerHomepage)),
        makerLine(QStringLiteral("<!-- E-Mail: "), QString::fromLatin1(MakerEMail)),
    };
    QString block;
    for (const QString& line : lines)
        block += line + CrLf;
    return block;
}

MetaBlockValues metaBlockValuesNow(const QString& userName, const QDateTime& now,
                                   const QLocale& locale)
{
    return {userName, locale.toString(now, QStringLiteral("yyyy")),
            DateNames::longStamp(now, locale)};
}

QString metaLineMarkup(const MetaLineValues& v)
{
    QString namePart = v.name.isEmpty() ? QStringLiteral(" name=\"\"")
                                        : QStringLiteral(" name=\"") + v.name + QLatin1Char('"');
    const QString contentPart = v.content.isEmpty()
                                    ? QStringLiteral(" content=\"\"")
                                    : QStringLiteral(" content=\"") + v.content + QLatin1Char('"');
    if (!v.httpEquiv.isEmpty())
        namePart = QStringLiteral(" http-equiv=\"") + v.httpEquiv + QLatin1Char('"');
    return QStringLiteral("<meta") + namePart + contentPart + QLatin1Char('>');
}

QString baseReferenceMarkup(const QString& url)
{
    return QStringLiteral("<base href=\"") + url + QStringLiteral("\">");
}

TDMetaInformationen::TDMetaInformationen(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Meta Information"), HelpTopic)
{
    setObjectName(QStringLiteral("DMetaInformationen"));
    auto field = [this](const char* name, const char* hint) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        setHint(edit, hint);
        return edit;
    };
    Edit1 = field("Edit1", "Geben Sie hier den Namen der Metainformation ein");
    Edit2 = field("Edit2", "Geben Sie hier den Inhalt der Metainformation ein");
    Edit3 = field("Edit3", "Dien zur Steuerung des Browsers");
    auto* body = new QFormLayout;
    body->addRow(labelFor("&Name:", Edit1), Edit1);
    body->addRow(labelFor("&Inhalt:", Edit2), Edit2);
    body->addRow(labelFor("&http-eqiv", Edit3), Edit3);
    finishLayout(body);
    Edit1->setFocus();
}

MetaLineValues TDMetaInformationen::values() const
{
    return {Edit1->text(), Edit2->text(), Edit3->text()};
}

void MetaInformationenClick(TMDIChild& child)
{
    const ShellState& state = shellStateOf(child);
    child.Insert(metaBlockMarkup(metaBlockValuesNow(
        state.user.UserName, QDateTime::currentDateTime(), DateNames::userLocale())));
}

void MetaInformationen1Click(TMDIChild& child)
{
    TDMetaInformationen dialog(dialogEnv(child));
    if (dialog.exec() == QDialog::Accepted)
        child.Insert(metaLineMarkup(dialog.values()));
}

void Basereferenz1Click(TMDIChild& child)
{
    const InputAnswer answer = inputBox(&child, QStringLiteral("Basereferenz"),
                                        QStringLiteral("Geben Sie hier die URL an."));
    if (answer.accepted && !answer.text.isEmpty())
        child.Insert(baseReferenceMarkup(answer.text));
}

namespace
{

const DocumentCommand commands[] = {
    {"MetaInformationenClick", &MetaInformationenClick},
    {"MetaInformationen1Click", &MetaInformationen1Click},
    {"Basereferenz1Click", &Basereferenz1Click},
};

} // namespace

std::span<const DocumentCommand> metaCommands()
{
    return commands;
}
