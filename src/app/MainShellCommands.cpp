// TMainForm's browser, tool and help commands.
#include "app/Main.h"

#include "app/AboutBox.h"
#include "app/Browsers.h"
#include "app/HelpWindow.h"
#include "app/Tips.h"
#include "app/Tools.h"
#include "core/SettingsStore.h"
#include "editor/Childwin.h"

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
