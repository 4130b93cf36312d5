// TSuchergebnis: the dockable window that lists the hits of a search across files, file by file.
#pragma once

#include "app/FindInFilesJob.h"

#include <QDockWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TSuchergebnis : public QDockWidget
{
    Q_OBJECT
public:
    // Rows of hits the list shows in all; the counts go on beyond them.
    static constexpr int MaxListedHits = FindInFiles::MaxListedHits;
    enum Role {
        PathRole = Qt::UserRole,
        LineRole,
        ColumnRole,
        LengthRole,
        MarkStartRole, // the hit within the row's text
        MarkLengthRole,
    };

    explicit TSuchergebnis(QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_tree; }
    QPushButton* stopButton() const { return m_stop; }
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* statusLabel() const { return m_status; }

    // A new run: the list empties, progress and the stop button show.
    void begin(const QString& what);
    void addResults(const QList<FindInFiles::FileResult>& results);
    void addSkipped(const QList<FindInFiles::SkippedFile>& skipped, const QString& folder);
    void setProgress(int done, int total);
    // The run has ended: the summary replaces the progress.
    void end(const QString& summary);
    int hitCount() const { return m_hits; }
    int fileCount() const { return m_files; }
    // The files with hits, in the list's order.
    QStringList files() const { return m_filePaths; }
    int skippedCount() const { return m_skippedCount; }

signals:
    void hitActivated(const QString& path, int line, int column, int length);
    void stopRequested();
    // Escape with nothing to stop: the keyboard goes back to the document.
    void leaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate(QTreeWidgetItem* item);
    void updateStatus();

    QTreeWidget* m_tree;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QTreeWidgetItem* m_skippedGroup = nullptr;
    QString m_what;
    int m_hits = 0;
    int m_files = 0;
    int m_listed = 0;
    int m_skippedCount = 0;
    QStringList m_filePaths;
};
