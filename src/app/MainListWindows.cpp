// TMainForm: opening the URL list and the plug-in tag window, which exist once at a time.
#include "app/Main.h"

#include "references/PlugInTagWindow.h"
#include "references/UrlListWindow.h"

#include <QMenu>

void TMainForm::buildListWindowControls()
{
    // The frame's "&URL Manager" works without a document, so its submenus must open too.
    QAction* manager = m_controls.take(QStringLiteral("FrameURLManager1"));
    if (!manager)
        return;
    manager->setObjectName(QStringLiteral("URLManager2"));
    m_controls.insert(manager->objectName(), manager);
    manager->setEnabled(true);
    for (auto* menu = qobject_cast<QMenu*>(manager->parent()); menu && !m_topMenus.contains(menu);
         menu = qobject_cast<QMenu*>(menu->parent()))
        menu->menuAction()->setEnabled(true);
    connect(manager, &QAction::triggered, this, &TMainForm::SBtnURLClick);
}

void TMainForm::SBtnURLClick()
{
    openUrlListe(m_state, HintStatusBar1, this);
}

void TMainForm::tagszeigen1Click()
{
    openPlugInTags(m_state, HintStatusBar1, this);
    if (QAction* item = control(QStringLiteral("tagszeigen1")))
        item->setEnabled(m_state.plugInMayOpen);
}
