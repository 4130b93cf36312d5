// TMainForm: documents as tabs, and the last session stored at closing and opened at the start.
#include "app/Main.h"
#include "app/Session.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

bool TMainForm::tabbedDocuments() const
{
    return m_mdiArea->viewMode() == QMdiArea::TabbedView;
}

void TMainForm::Reiter1Click()
{
    const bool tabs = control(QStringLiteral("Reiter1"))->isChecked();
    applyTabMode(tabs);
    try {
        SettingsStore store;
        store.writeBool(QStringLiteral("Optionen"), QStringLiteral("Reiter"), tabs);
        store.sync();
    } catch (const SettingsError& error) {
        throw UserError(QString::fromStdString(error.what()));
    }
}

void TMainForm::applyTabMode(bool tabs)
{
    if (tabs == tabbedDocuments())
        return;
    QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    m_mdiArea->setViewMode(tabs ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabs) {
        m_mdiArea->setDocumentMode(true);
        m_mdiArea->setTabsClosable(true);
        m_mdiArea->setTabsMovable(true);
        // Qt's tab bar of the area closes a tab on a middle click by itself.
        if (auto* bar = m_mdiArea->findChild<QTabBar*>())
            bar->setObjectName(QStringLiteral("DocumentTabs"));
        refreshTabs();
    } else {
        // Back in window mode the documents fill the area as they do when they open.
        for (QMdiSubWindow* window : m_mdiArea->subWindowList())
            window->showMaximized();
    }
    if (active)
        m_mdiArea->setActiveSubWindow(active);
    UpdateMenuItems();
}

void TMainForm::refreshTabs()
{
    auto* bar = m_mdiArea->findChild<QTabBar*>(QStringLiteral("DocumentTabs"));
    if (!bar)
        return;
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (int i = 0; i < windows.size() && i < bar->count(); ++i) {
        const auto* child = qobject_cast<TMDIChild*>(windows.at(i)->widget());
        if (!child)
            continue;
        const QString text =
            child->windowTitle() + (child->TextMemo->isModified() ? QStringLiteral(" *") : "");
        if (bar->tabText(i) != text)
            bar->setTabText(i, text);
        const QString tip = child->FileName == TMDIChild::Untitled
                                ? child->windowTitle()
                                : QDir::toNativeSeparators(child->FileName);
        if (bar->tabToolTip(i) != tip)
            bar->setTabToolTip(i, tip);
    }
}

void TMainForm::storeSession()
{
    SettingsStore store;
    if (!Session::restoreWanted(store)) {
        Session::clear(store);
        return;
    }
    Session::Saved session;
    TMDIChild* active = activeChild();
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = qobject_cast<TMDIChild*>(window->widget());
        // An untitled document has no file to open again; its text was asked about already.
        if (!child || child->FileName == TMDIChild::Untitled)
            continue;
        if (child == active)
            session.active = int(session.documents.size());
        const int line = child->TextMemo->lineOfPosition(child->TextMemo->selStart()) + 1;
        session.documents.append({child->FileName, line});
    }
    Session::write(store, session);
    store.sync();
}

void TMainForm::restoreSession()
{
    Session::Saved session;
    try {
        session = Session::read(SettingsStore());
    } catch (const SettingsError&) {
        return;
    }
    QStringList missing;
    TMDIChild* active = nullptr;
    for (int i = 0; i < session.documents.size(); ++i) {
        const Session::Document& document = session.documents.at(i);
        if (!QFileInfo(document.path).isFile()) {
            missing.append(QDir::toNativeSeparators(document.path));
            continue;
        }
        TMDIChild* child = openDocument(document.path);
        if (!child)
            continue;
        TExtRich* memo = child->TextMemo;
        const int line = std::min(document.line - 1, std::max(0, memo->lineCount() - 1));
        memo->setSelStart(memo->firstPositionOfLine(line));
        memo->ensureCursorVisible();
        if (i == session.active || !active)
            active = child;
    }
    if (active)
        focusDocument(active);
    if (!missing.isEmpty())
        QTimer::singleShot(0, this, [this, missing] {
            QMessageBox::information(
                this, QStringLiteral("Hinweis"),
                QStringLiteral("Diese Dateien der letzten Sitzung gibt es nicht mehr; sie wurden "
                               "nicht geöffnet:\n\n") +
                    missing.join(QLatin1Char('\n')));
        });
}
