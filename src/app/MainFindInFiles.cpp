// TMainForm: find and replace in the files of a folder tree, with the "Suchergebnis" dock.
#include "app/FindInFilesDialog.h"
#include "app/FindInFilesResults.h"
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/Paths.h"
#include "widgets/ToolBarPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTreeWidget>

namespace
{

const QString DockSection = QStringLiteral("Suchergebnis");

QString filesText(int count)
{
    return count == 1 ? QStringLiteral("1 Datei") : QStringLiteral("%1 Dateien").arg(count);
}

QString canonical(const QString& path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(QDir::fromNativeSeparators(path)) : real;
}

} // namespace

TMDIChild* TMainForm::documentOf(const QString& path) const
{
    const QString wanted = canonical(path);
    for (TMDIChild* child : children())
        if (child->FileName != TMDIChild::Untitled && canonical(child->FileName) == wanted)
            return child;
    return nullptr;
}

TSuchergebnis* TMainForm::ensureFindResults()
{
    if (m_findResults)
        return m_findResults;
    m_findResults = new TSuchergebnis(this);
    m_findJob = new FindInFiles::Job(this);
    connect(m_findJob, &FindInFiles::Job::batchReady, this, &TMainForm::findBatch);
    connect(m_findJob, &FindInFiles::Job::finished, this, &TMainForm::findEnded);
    connect(m_findResults, &TSuchergebnis::stopRequested, m_findJob, &FindInFiles::Job::stop);
    connect(m_findResults, &TSuchergebnis::hitActivated, this, &TMainForm::openHit);
    connect(m_findResults, &TSuchergebnis::leaveRequested, this, [this] {
        m_findResults->hide();
        if (TMDIChild* child = activeChild())
            focusDocument(child);
    });
    // The dock returns where it was last time: docked at an edge, or floating.
    Qt::DockWidgetArea area = Qt::BottomDockWidgetArea;
    QRect floating;
    try {
        const SettingsStore store(SettingsStore::Key::Toolbars);
        const QString dock = store.readString(DockSection, QStringLiteral("DockedTo"), QString());
        if (dock.isEmpty() && store.hasValue(DockSection, QStringLiteral("Width")))
            floating = QRect(
                store.readInteger(DockSection, QStringLiteral("Left"), 0),
                store.readInteger(DockSection, QStringLiteral("Top"), 0),
                store.readBoundedInteger(DockSection, QStringLiteral("Width"), 400, 100, 4000),
                store.readBoundedInteger(DockSection, QStringLiteral("Height"), 200, 60, 4000));
        else if (const Qt::ToolBarArea known = dockArea(dock); known != Qt::NoToolBarArea)
            area = Qt::DockWidgetArea(int(known));
    } catch (const SettingsError&) {
        // The designed place stands.
    }
    addDockWidget(area, m_findResults);
    if (floating.isValid()) {
        m_findResults->setFloating(true);
        m_findResults->setGeometry(floating);
    }
    m_findResults->hide();
    return m_findResults;
}

void TMainForm::storeDockPlace()
{
    if (!m_findResults)
        return;
    SettingsStore store(SettingsStore::Key::Toolbars);
    if (m_findResults->isFloating()) {
        const QRect bounds = m_findResults->geometry();
        store.writeString(DockSection, QStringLiteral("DockedTo"), QString());
        store.writeInteger(DockSection, QStringLiteral("Left"), bounds.x());
        store.writeInteger(DockSection, QStringLiteral("Top"), bounds.y());
        store.writeInteger(DockSection, QStringLiteral("Width"), bounds.width());
        store.writeInteger(DockSection, QStringLiteral("Height"), bounds.height());
    } else {
        store.writeString(DockSection, QStringLiteral("DockedTo"),
                          dockName(Qt::ToolBarArea(int(dockWidgetArea(m_findResults)))));
    }
}

void TMainForm::InDateiensuchen1Click()
{
    TMDIChild* child = activeChild();
    QString findText, folder;
    if (child) {
        findText = child->TextMemo->selText();
        if (FindInFiles::holdsLineBreak(findText))
            findText.clear();
        if (child->FileName != TMDIChild::Untitled)
            folder = QDir::toNativeSeparators(QFileInfo(child->FileName).absolutePath());
    }
    FindInFilesValues values;
    bool replaceAll = false;
    {
        TFindInFilesDialog dialog({this, HintStatusBar1, [this] { return m_state.hintsOn; }},
                                  findText, folder);
        if (dialog.exec() != QDialog::Accepted ||
            dialog.action() == TFindInFilesDialog::Action::None)
            return;
        values = dialog.values();
        replaceAll = dialog.action() == TFindInFilesDialog::Action::ReplaceAll;
    }
    findInFiles(values, replaceAll);
}

namespace
{

FindInFiles::Request requestOf(const FindInFilesValues& values)
{
    FindInFiles::Request request;
    request.folder = QDir::fromNativeSeparators(values.folder);
    request.types = values.types;
    request.subfolders = values.subfolders;
    request.findText = values.findText;
    request.matchCase = values.matchCase;
    request.wholeWord = values.wholeWord;
    return request;
}

} // namespace

void TMainForm::findInFiles(const FindInFilesValues& values, bool replaceAll)
{
    ensureFindResults();
    m_findJob->stop();
    m_findJob->wait();
    FindInFiles::Request request = requestOf(values);
    // Open documents are searched as the editor holds them, not as they were saved.
    for (TMDIChild* child : children()) {
        if (child->FileName == TMDIChild::Untitled || !child->TextMemo->isPlainTextMode())
            continue;
        const QString path = QFileInfo(child->FileName).canonicalFilePath();
        LineBreaks ends;
        if (!path.isEmpty())
            request.openTexts.insert(path, child->TextMemo->fileText(&ends));
    }
    m_findValues = std::make_unique<FindInFilesValues>(values);
    m_findRun = replaceAll ? FindRun::SearchToReplace : FindRun::Search;
    m_findResults->begin(QStringLiteral("„%1“").arg(values.findText));
    m_findResults->show();
    m_findResults->raise();
    // The keys go to the list: arrows walk the hits as they come, Return opens one.
    m_findResults->list()->setFocus();
    m_findJob->startSearch(request);
}

void TMainForm::findBatch()
{
    const QString folder =
        m_findValues ? QDir::fromNativeSeparators(m_findValues->folder) : QString();
    if (m_findRun == FindRun::Replace) {
        QList<FindInFiles::SkippedFile> failed;
        for (const FindInFiles::Replaced& file : m_findJob->takeReplaced()) {
            if (!file.reason.isEmpty()) {
                failed.append({file.path, file.reason});
            } else if (file.count > 0) {
                m_replacedHits += file.count;
                ++m_replacedFiles;
            }
        }
        m_findResults->addSkipped(failed, folder);
    } else {
        m_findResults->addResults(m_findJob->takeResults());
        m_findResults->addSkipped(m_findJob->takeSkipped(), folder);
    }
    m_findResults->setProgress(m_findJob->filesDone(), m_findJob->filesTotal());
}

void TMainForm::findEnded()
{
    findBatch();
    const FindRun run = std::exchange(m_findRun, FindRun::Idle);
    const bool stopped = m_findJob->wasStopped();
    const int hits = m_findResults->hitCount();
    const int files = m_findResults->fileCount();
    const QString skipped =
        m_findResults->skippedCount() > 0
            ? QStringLiteral(", %1 übersprungen").arg(filesText(m_findResults->skippedCount()))
            : QString();
    if (run == FindRun::Replace) {
        const QString summary = QStringLiteral("%1 Treffer in %2 ersetzt")
                                    .arg(m_replacedHits)
                                    .arg(filesText(m_replacedFiles)) +
                                (m_findResults->skippedCount() > 0
                                     ? QStringLiteral("; nicht geändert: %1 (siehe Liste)")
                                           .arg(filesText(m_findResults->skippedCount()))
                                     : QString()) +
                                (stopped ? QStringLiteral("; angehalten") : QString());
        m_findResults->end(summary);
        QMessageBox::information(this, QStringLiteral("Hinweis"), summary + QLatin1Char('.'));
        return;
    }
    if (run == FindRun::Idle)
        return;
    m_findResults->end(
        QStringLiteral("„%1“: %2 in %3%4%5")
            .arg(m_findValues->findText)
            .arg(hits == 1 ? QStringLiteral("1 Treffer") : QStringLiteral("%1 Treffer").arg(hits))
            .arg(filesText(files), skipped, stopped ? QStringLiteral(" (angehalten)") : QString()));
    if (run != FindRun::SearchToReplace || stopped || hits == 0)
        return;
    QMessageBox question(QMessageBox::Question, QStringLiteral("Hinweis"),
                         QStringLiteral("%1 Treffer in %2 gefunden.\nSollen alle durch „%3“ "
                                        "ersetzt werden?")
                             .arg(hits)
                             .arg(filesText(files), m_findValues->replaceText),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    question.setEscapeButton(QMessageBox::No);
    question.setObjectName(QStringLiteral("ReplaceAllQuestion"));
    if (question.exec() != QMessageBox::Yes)
        return;

    m_replacedHits = 0;
    m_replacedFiles = 0;
    QStringList onDisk;
    for (const QString& path : m_findResults->files())
        if (!documentOf(path))
            onDisk.append(path);
    replaceInOpenDocuments(&m_replacedHits, &m_replacedFiles);
    m_findRun = FindRun::Replace;
    m_findResults->begin(QStringLiteral("Ersetzen"));
    m_findJob->startReplace(onDisk, requestOf(*m_findValues), m_findValues->replaceText);
}

void TMainForm::replaceInOpenDocuments(int* hits, int* files)
{
    const FindInFiles::TextMatcher matcher(m_findValues->findText, m_findValues->matchCase,
                                           m_findValues->wholeWord);
    for (const QString& path : m_findResults->files()) {
        TMDIChild* child = documentOf(path);
        if (!child)
            continue;
        int count = 0;
        // One undo step per document; the file on disk stays as it is until the user saves.
        child->TextMemo->convertLines([&](const QString& line) {
            int inLine = 0;
            QString replaced = matcher.replaceAll(line, m_findValues->replaceText, &inLine);
            count += inLine;
            return replaced;
        });
        if (count > 0) {
            *hits += count;
            ++*files;
        }
    }
}

void TMainForm::openHit(const QString& path, int line, int column, int length)
{
    TMDIChild* child = documentOf(path);
    if (!child) {
        child = openDocument(QDir::toNativeSeparators(path));
        if (!child)
            return;
    }
    focusDocument(child);
    if (line <= 0)
        return;
    TExtRich* memo = child->TextMemo;
    const int index = std::min(line - 1, std::max(0, memo->lineCount() - 1));
    const int lineLength = int(memo->line(index).size());
    const int start = memo->firstPositionOfLine(index) + std::min(column, lineLength);
    memo->setSelStart(start);
    memo->setSelLength(std::min(length, lineLength - std::min(column, lineLength)));
    memo->ensureCursorVisible();
}
