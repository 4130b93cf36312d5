// ViewSwitches: the document windows' colour and line-number switches, kept in the settings store.
#pragma once

#include <QObject>

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

signals:
    void changed();
};
