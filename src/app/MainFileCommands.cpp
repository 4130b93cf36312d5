// TMainForm's file and window commands: new, open, save, print, close, recent files, drops.
#include "app/Main.h"

#include "app/RecentFiles.h"
#include "core/SettingsStore.h"
#include "editor/DocumentFileFilters.h"
#include "editor/DocumentWindow.h"
#include "editor/FileDialogs.h"
#include "editor/FileDrop.h"
#include "editor/TextControl.h"
#include "platform/Paths.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QStyle>
#include <algorithm>

void TMainForm::buildRecentFileEntries()
{
    QMenu* fileMenu = m_topMenus.at(0);
    for (QAction* action : std::as_const(m_recentActions))
        delete action;
    m_recentActions.clear();
    for (int k = 0; k <= m_state.recentMaxIndex; ++k) {
        QAction* action = fileMenu->addAction(recentFileCaption(m_state, k));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(k + 1));
        action->setVisible(recentFileShown(m_state, k));
        connect(action, &QAction::triggered, this, [this, k] { recentFileClick(k); });
        m_recentActions.append(action);
    }
    // The separator before the entries shows once there is something to list.
    if (QAction* separator = control(QStringLiteral("N44")))
        separator->setVisible(m_state.recentLastIndex >= 0);
}

void TMainForm::HistoryAktualisieren()
{
    SettingsStore store;
    storeRecentFiles(m_state, store);
    store.sync();
    for (int k = 0; k < m_recentActions.size(); ++k) {
        m_recentActions.at(k)->setText(recentFileCaption(m_state, k));
        m_recentActions.at(k)->setVisible(recentFileShown(m_state, k));
    }
    if (QAction* separator = control(QStringLiteral("N44")))
        separator->setVisible(m_state.recentLastIndex >= 0);
}

void TMainForm::documentSavedAs(const QString& path)
{
    insertRecentFile(m_state, path);
    HistoryAktualisieren();
}

void TMainForm::recentFileClick(int k)
{
    if (k >= 0 && k <= m_state.recentLastIndex && k < m_state.recentFiles.size())
        openDocument(m_state.recentFiles.at(k));
}

void TMainForm::FileNewItemClick()
{
    const QString caption = QStringLiteral("Dokument %1").arg(documentCount() + 1);
    TMDIChild* child = createChild();
    child->setWindowTitle(caption);
    child->NewChildWindow();
}

QFileDialog* TMainForm::openFileDialog()
{
    if (!m_openDialog) {
        // Qt's own dialog, so that it looks the same everywhere and tests can answer it.
        m_openDialog = new QFileDialog(this);
        m_openDialog->setObjectName(QStringLiteral("OpenFileDialog"));
        m_openDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_openDialog->setFileMode(QFileDialog::ExistingFiles);
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setNameFilters(documentFileFilters());
    }
    m_openDialog->selectNameFilter(documentFileFilters().constFirst());
    // The dialog is reused: a file still selected in its list from the last use would be opened
    // again beside the name the user types now.
    for (QAbstractItemView* view : m_openDialog->findChildren<QAbstractItemView*>())
        if (view->selectionModel())
            view->selectionModel()->clearSelection();
    return m_openDialog;
}

void TMainForm::FileOpenItemClick()
{
    QFileDialog* dialog = openFileDialog();
    const TMDIChild* active = activeChild();
    dialog->setDirectory(dialogStartFolder(
        active && active->FileName != TMDIChild::Untitled ? active->FileName : QString()));
    if (runFileDialog(dialog) != QDialog::Accepted)
        return;
    TMDIChild* opened = nullptr;
    for (const QString& chosen : dialog->selectedFiles()) {
        const QString path = QDir::toNativeSeparators(chosen);
        insertRecentFile(m_state, path);
        HistoryAktualisieren();
        if (TMDIChild* child = openDocument(path))
            opened = child;
    }
    if (opened)
        focusDocument(opened);
}

void TMainForm::focusDocument(TMDIChild* child)
{
    // Whichever window the window system activates once the dialog has gone, the keys belong to
    // the document just opened.
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (window->widget() == child)
            m_mdiArea->setActiveSubWindow(window);
    raise();
    activateWindow();
    child->TextMemo->setFocus(Qt::OtherFocusReason);
}

void TMainForm::Dokumentspeichern1Click()
{
    toActiveChild(&TMDIChild::Save1Click);
}

void TMainForm::Dokumentspeichernunter1Click()
{
    toActiveChild(&TMDIChild::SaveAs1Click);
}

void TMainForm::Drucken1Click()
{
    toActiveChild(&TMDIChild::Print1Click);
}

void TMainForm::DruckerSetup1Click()
{
    // The page and printer settings belong to the active document's printer, which its print
    // command uses next.
    if (TMDIChild* child = activeChild()) {
        QPageSetupDialog dialog(child->printer(), this);
        dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
        dialog.exec();
    }
}

void TMainForm::AktuellesFensterschlieen1Click()
{
    toActiveChild(&TMDIChild::Close1Click);
}

void TMainForm::FileExitItemClick()
{
    close();
}

void TMainForm::FileDrag1Drop()
{
    for (const QString& path : std::as_const(FileDrag1->NameWithPath))
        openDocument(path);
}

void TMainForm::WindowCascadeItemClick()
{
    if (tabbedDocuments())
        return;
    // Qt's own cascade shrinks every window to its size hint; documents need room to be read, so
    // each keeps two thirds of the area and the stairs start again at the top when they run out.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QSize area = m_mdiArea->viewport()->size();
    const QSize size(std::max(1, area.width() * 2 / 3), std::max(1, area.height() * 2 / 3));
    const int step = std::max(8, windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight,
                                                                       nullptr, windows.first()));
    const int stairs = std::max(
        1, std::min(area.width() - size.width(), area.height() - size.height()) / step + 1);
    QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        const int offset = (i % stairs) * step;
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
    if (active && windows.contains(active)) {
        active->raise();
        m_mdiArea->setActiveSubWindow(active);
    }
}

void TMainForm::WindowTileItemClick()
{
    if (tabbedDocuments())
        return;
    m_mdiArea->tileSubWindows();
}

void TMainForm::WindowArrangeItemClick()
{
    if (tabbedDocuments())
        return;
    // Lines the minimised document windows up along the bottom edge of the client area.
    int x = 0;
    const int bottom = m_mdiArea->viewport()->height();
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

void TMainForm::WindowMinimizeItemClick()
{
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        window->showMinimized();
}

void TMainForm::GanzesFenster1Click()
{
    const bool maximize = !isMaximized();
    if (maximize)
        showMaximized();
    else
        showNormal();
    if (QMdiSubWindow* window = m_mdiArea->currentSubWindow()) {
        if (maximize)
            window->showMaximized();
        else
            window->showNormal();
    }
}

void TMainForm::Vorheriges1Click()
{
    m_mdiArea->activatePreviousSubWindow();
    if (TMDIChild* child = activeChild())
        child->update();
}

void TMainForm::Nchstes1Click()
{
    m_mdiArea->activateNextSubWindow();
    if (TMDIChild* child = activeChild())
        child->update();
}
