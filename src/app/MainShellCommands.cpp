// TMainForm's browser, tool, settings and help commands.
#include "app/Main.h"

#include "app/AboutBox.h"
#include "app/Browsers.h"
#include "app/FrameTables.h"
#include "app/HelpWindow.h"
#include "app/SettingsDialog.h"
#include "app/Tips.h"
#include "app/Tools.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "widgets/HintStatusBar.h"

#include <QAction>
#include <QToolBar>

void TMainForm::buildToolsMenu(const SettingsStore& store)
{
    fillToolsMenu(m_topMenus.at(6), m_state, store,
                  [this](int i) { runTool(this, m_state.tools.at(i)); });
}

void TMainForm::Browser1Click()
{
    frameBrowserCommand(this, m_state, 1);
}

void TMainForm::Browser2Click()
{
    frameBrowserCommand(this, m_state, 2);
}

void TMainForm::SBtnBrowser1Click()
{
    if (TMDIChild* child = activeChild())
        child->Browser1aufrufenClick();
    else
        Browser1Click();
}

void TMainForm::SBtnBrowser2Click()
{
    if (TMDIChild* child = activeChild())
        child->Browser2aufrufenClick();
    else
        Browser2Click();
}

void TMainForm::Inhalt1Click()
{
    showHelpContents(this);
}

void TMainForm::Index1Click()
{
    showHelpIndex(this);
}

void TMainForm::EinekleineEinfhrunginHTML1Click()
{
    showHelpTopic(this, 500);
}

void TMainForm::Tastatur1Click()
{
    showHelpTopic(this, 501);
}

void TMainForm::Tipszeigen1Click()
{
    SettingsStore store;
    showTips(this, 1, 22, store, 600, false);
}

void TMainForm::Info1Click()
{
    showAboutBox(this, m_state);
}

void TMainForm::Einstellungen1Click()
{
    {
        TEinstellungen dialog({this, HintStatusBar1, [this] { return m_state.hintsOn; }}, m_state);
        dialog.exec();
    }
    // Also after cancel: the style and alignment clicks already changed the shell state.
    {
        SettingsStore store;
        buildToolsMenu(store);
    }
    const auto specs = toolBarSpecs();
    for (int i = 0; i < m_toolBars.size(); ++i) {
        const bool visible = m_state.toolBarVisible.at(static_cast<std::size_t>(i));
        m_toolBars.at(i)->setVisible(visible);
        control(QString::fromLatin1(specs[i].switchItem))->setChecked(visible);
    }
    for (int browser : {1, 2})
        applyHint(control(QStringLiteral("SBtnBrowser%1").arg(browser)),
                  browserButtonHint(browser));
    // The toolbars' tooltips follow the switch through the frame's event filter.
    HintStatusBar1->setHintsEnabled(m_state.hintsOn);
}

namespace
{

void settingsFromDocument(TMDIChild& child)
{
    if (auto* frame = qobject_cast<TMainForm*>(child.window()))
        frame->Einstellungen1Click();
}

void findInFilesFromDocument(TMDIChild& child)
{
    if (auto* frame = qobject_cast<TMainForm*>(child.window()))
        frame->InDateiensuchen1Click();
}

const DocumentCommand settingsRows[] = {
    {"Einstellungen1Click", &settingsFromDocument},
    {"InDateiensuchen1Click", &findInFilesFromDocument},
};

} // namespace

std::span<const DocumentCommand> settingsCommands()
{
    return settingsRows;
}
