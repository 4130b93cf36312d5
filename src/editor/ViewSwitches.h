// ViewSwitches: the document windows' colour, line-number and spelling switches, kept in the
// settings store.
#pragma once

#include <QObject>
#include <QString>

// One switch flipped in any window applies to every open window: each listens to changed().
class ViewSwitches : public QObject
{
    Q_OBJECT
public:
    static ViewSwitches& instance();

    static bool syntaxColours(); // "Optionen"/"SyntaxColors", absent: on
    static bool lineNumbers();   // "Optionen"/"LineNumbers", absent: off
    void setSyntaxColours(bool on);
    void setLineNumbers(bool on);
    static bool spelling();         // "Optionen"/"SpellCheck", absent: on
    static QString spellLanguage(); // "Optionen"/"SpellLanguage", absent: de_DE
    void setSpelling(bool on);
    void setSpellLanguage(const QString& language);

signals:
    void changed();
};
