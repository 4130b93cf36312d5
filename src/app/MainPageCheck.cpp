// TMainForm's "Prüfergebnis" window: the active document's page-check findings, docked like the
// toolbars and kept in their store.
#include "app/Main.h"

#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/PageCheckDocument.h"
#include "editor/PageCheckResults.h"
#include "editor/TextControl.h"
#include "widgets/HintStatusBar.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QTreeWidget>

namespace
{

const QString dockSection = QStringLiteral("PageCheckDock");

// Dock names as the toolbars store them: Docks1 top, Docks2 left, Docks3 right, Docks4 bottom.
Qt::DockWidgetArea areaNamed(const QString& name)
{
    if (name == QLatin1String("Docks1"))
        return Qt::TopDockWidgetArea;
    if (name == QLatin1String("Docks2"))
        return Qt::LeftDockWidgetArea;
    if (name == QLatin1String("Docks3"))
        return Qt::RightDockWidgetArea;
    if (name == QLatin1String("Docks4"))
        return Qt::BottomDockWidgetArea;
    return Qt::NoDockWidgetArea;
}

QString nameOf(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::TopDockWidgetArea:
        return QStringLiteral("Docks1");
    case Qt::LeftDockWidgetArea:
        return QStringLiteral("Docks2");
    case Qt::RightDockWidgetArea:
        return QStringLiteral("Docks3");
    default:
        return QStringLiteral("Docks4");
    }
}

} // namespace

void TMainForm::buildPageCheckDock()
{
    m_checkDock = new QDockWidget(QStringLiteral("Prüfergebnis"), this);
    m_checkDock->setObjectName(QStringLiteral("Pruefergebnis"));
    m_checkResults = new PageCheckResults(m_checkDock);
    m_checkDock->setWidget(m_checkResults);
    addDockWidget(Qt::BottomDockWidgetArea, m_checkDock);
    m_checkDock->hide();

    connect(m_checkResults, &PageCheckResults::activated, this,
            [this](const PageCheck::Finding& finding) {
                if (TMDIChild* child = activeChild()) {
                    PageChecker::showPlace(child->TextMemo, finding);
                    focusDocument(child);
                }
            });
    connect(m_checkResults, &PageCheckResults::stopRequested, this, [this] {
        if (TMDIChild* child = activeChild())
            child->pageChecker()->stop();
    });
    connect(m_checkResults, &PageCheckResults::leaveRequested, this, [this] {
        m_checkDock->hide();
        if (TMDIChild* child = activeChild())
            focusDocument(child);
    });
}

void TMainForm::connectPageCheck(TMDIChild* child)
{
    PageChecker* checker = child->pageChecker();
    connect(checker, &PageChecker::started, this, [this, child](bool commanded) {
        if (commanded && child == activeChild()) {
            m_checkDock->show();
            m_checkDock->raise();
            m_checkResults->showRunning(0);
        }
    });
    connect(checker, &PageChecker::progress, this, [this, child, checker](int percent) {
        if (child == activeChild() && checker->isCommanded())
            m_checkResults->showRunning(percent);
    });
    connect(checker, &PageChecker::stopped, this, [this, child] {
        if (child == activeChild())
            m_checkResults->showStopped();
    });
    connect(checker, &PageChecker::checked, this,
            [this, child](const QList<PageCheck::Finding>& findings, bool commanded) {
                if (child != activeChild() || (!commanded && !m_checkDock->isVisible()))
                    return;
                m_checkResults->showFindings(findings);
                HintStatusBar1->setPanelText(QStringLiteral("HintStatusPanel3"),
                                             m_checkResults->summaryText());
                if (commanded && !findings.isEmpty())
                    m_checkResults->list()->setFocus();
            });
}

void TMainForm::showPageCheckOf(TMDIChild* child)
{
    if (!child) {
        m_checkResults->clear();
        return;
    }
    if (child->pageChecker()->hasChecked())
        m_checkResults->showFindings(child->pageChecker()->findings());
    else
        m_checkResults->clear();
}

void TMainForm::SBtnPageCheckClick()
{
    toActiveChild(&TMDIChild::Seiteprfen1Click);
}

void TMainForm::placePageCheckDock()
{
    const SettingsStore store(SettingsStore::Key::Toolbars);
    const QString docked =
        store.readString(dockSection, QStringLiteral("DockedTo"), QStringLiteral("Docks4"));
    const Qt::DockWidgetArea area = areaNamed(docked);
    if (docked.isEmpty()) {
        m_checkDock->setFloating(true);
        const QRect box(store.readInteger(dockSection, QStringLiteral("Left"), 100),
                        store.readInteger(dockSection, QStringLiteral("Top"), 100),
                        store.readInteger(dockSection, QStringLiteral("Width"), 500),
                        store.readInteger(dockSection, QStringLiteral("Height"), 200));
        m_checkDock->setGeometry(box);
    } else {
        addDockWidget(area == Qt::NoDockWidgetArea ? Qt::BottomDockWidgetArea : area, m_checkDock);
    }
    m_checkDock->setVisible(
        store.readBoolOption(dockSection, QStringLiteral("Visible"), false, false));
}

void TMainForm::storePageCheckDock()
{
    SettingsStore store(SettingsStore::Key::Toolbars);
    store.writeBool(dockSection, QStringLiteral("Visible"), m_checkDock->isVisible());
    if (m_checkDock->isFloating()) {
        const QRect box = m_checkDock->geometry();
        store.writeString(dockSection, QStringLiteral("DockedTo"), QString());
        store.writeInteger(dockSection, QStringLiteral("Left"), box.x());
        store.writeInteger(dockSection, QStringLiteral("Top"), box.y());
        store.writeInteger(dockSection, QStringLiteral("Width"), box.width());
        store.writeInteger(dockSection, QStringLiteral("Height"), box.height());
    } else {
        store.writeString(dockSection, QStringLiteral("DockedTo"),
                          nameOf(dockWidgetArea(m_checkDock)));
    }
}
