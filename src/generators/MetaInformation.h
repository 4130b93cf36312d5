// Meta information and the base reference: their markup, the meta dialog and the commands.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <span>

class QLineEdit;
class TMDIChild;

// The fixed meta block: eight meta lines whose "content" starts in column 30, a comment line
// and the two maker lines padded to 76 characters; every line ends in CR LF.
struct MetaBlockValues {
    QString userName;
    QString year;  // "yyyy"
    QString stamp; // the long stamp of DateNames
};
QString metaBlockMarkup(const MetaBlockValues& values);
// The values for now, in the user's language.
MetaBlockValues metaBlockValuesNow(const QString& userName, const QDateTime& now,
                                   const QLocale& locale);

// "<meta" + (http-equiv or name part) + content part + ">"; the http-equiv field, when filled,
// takes the place of the name.
struct MetaLineValues {
    QString name, content, httpEquiv;
};
QString metaLineMarkup(const MetaLineValues& values);

// "<base href=\"" + url + "\">".
QString baseReferenceMarkup(const QString& url);

class TDMetaInformationen : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 330;

    explicit TDMetaInformationen(const DialogEnv& env);
    MetaLineValues values() const;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
};

// The fixed meta block at the caret.
void MetaInformationenClick(TMDIChild& child);
// The meta dialog, then one meta line at the caret.
void MetaInformationen1Click(TMDIChild& child);
// Asks for a URL; an answer inserts the base reference, cancel or an empty answer nothing.
void Basereferenz1Click(TMDIChild& child);

std::span<const DocumentCommand> metaCommands();
