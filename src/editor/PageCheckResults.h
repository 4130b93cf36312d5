// PageCheckResults: the list of a page check's findings shown in the frame's "Prüfergebnis"
// window, with the summary line, the progress of a running check and a way to stop it.
#pragma once

#include "editor/PageCheck.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class PageCheckResults : public QWidget
{
    Q_OBJECT
public:
    explicit PageCheckResults(QWidget* parent = nullptr);

    // The rows of a finished check, in order of place, and its summary.
    void showFindings(const QList<PageCheck::Finding>& findings);
    const QList<PageCheck::Finding>& findings() const { return m_findings; }
    QString summaryText() const;
    void showRunning(int percent);
    void showStopped();
    void clear();
    QTreeWidget* list() const { return m_list; }

signals:
    // Return or a double click on a row.
    void activated(const PageCheck::Finding& finding);
    void stopRequested();
    // Escape: the keyboard goes back to the document.
    void leaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activateCurrent();

    QLabel* m_summary;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QTreeWidget* m_list;
    QList<PageCheck::Finding> m_findings;
};
