// PageChecker: a document's page check: on command, and after typing when the switch is on,
// with the findings marked in the text; PageCheckSwitch keeps the switch in the settings store.
#pragma once

#include "core/TextFileCodec.h"
#include "editor/PageCheck.h"

#include <QObject>
#include <QTimer>
#include <functional>

class PageCheckRun;
class TExtRich;

// "Optionen"/"CheckWhileTyping", absent: off. One switch for every window: each listens to
// changed().
class PageCheckSwitch : public QObject
{
    Q_OBJECT
public:
    static PageCheckSwitch& instance();
    static bool whileTyping();
    void setWhileTyping(bool on);

signals:
    void changed();
};

class PageChecker : public QObject
{
    Q_OBJECT
public:
    // filePath gives the document's file ("" for one never saved), encoding what it is written
    // in; both are asked at the start of each check.
    PageChecker(TExtRich* text, std::function<QString()> filePath,
                std::function<TextFileFormat::Encoding()> encoding, QObject* parent = nullptr);

    // Checks the page now; the findings come with checked(..., true).
    void checkNow();
    // Stops a check that is going on.
    void stop();
    bool isRunning() const;
    // Re-checks after typing has rested, and marks the findings in the text.
    void setWhileTyping(bool on);
    bool whileTyping() const { return m_whileTyping; }
    const QList<PageCheck::Finding>& findings() const { return m_findings; }
    bool hasChecked() const { return m_hasChecked; }
    // Whether the check going on or waiting for typing to rest is the command's.
    bool isCommanded() const { return m_commanded; }

    // Puts the caret on a finding's place with its stretch selected.
    static void showPlace(TExtRich* text, const PageCheck::Finding& finding);
    // The document positions of a finding's stretch (for the text's marks).
    static std::pair<int, int> documentSpan(const TExtRich* text, const PageCheck::Finding& f);
    static QColor colour(PageCheck::Kind kind);

    // How long typing must rest before the check runs.
    static constexpr int RestMs = 700;

signals:
    // A check began (commanded tells it from a check after typing).
    void started(bool commanded);
    void progress(int percent);
    // The findings of a check that still fits the text.
    void checked(const QList<PageCheck::Finding>& findings, bool commanded);
    void stopped();

private:
    void run();
    void textChanged(int from, int removed, int added);
    void arrived(const QList<PageCheck::Finding>& findings, quint64 generation);
    void mark();

    TExtRich* m_text;
    std::function<QString()> m_filePath;
    std::function<TextFileFormat::Encoding()> m_encoding;
    PageCheckRun* m_run;
    QTimer m_rest;
    quint64 m_generation = 0;
    bool m_whileTyping = false;
    // The command's check waits for the text to rest, after an edit superseded it.
    bool m_commanded = false;
    QList<PageCheck::Finding> m_findings;
    bool m_hasChecked = false;
};
