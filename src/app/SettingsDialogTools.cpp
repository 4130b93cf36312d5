// TEinstellungen: the tool page's operations on the working copy and the pick list together.
#include "app/SettingsDialog.h"
#include "app/ToolEditor.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

int TEinstellungen::selectedTool() const
{
    const int row = PickList1->currentRow();
    return row >= 0 && row < m_tools.size() ? row : -1;
}

void TEinstellungen::setEditButtonsEnabled(bool enabled)
{
    BitBtn5->setEnabled(enabled);
    BitBtn6->setEnabled(enabled);
}

void TEinstellungen::exchangeTools(int a, int b)
{
    m_tools.swapItemsAt(a, b);
    PickList1->item(a)->setText(m_tools.at(a).name);
    PickList1->item(b)->setText(m_tools.at(b).name);
    PickList1->setCurrentRow(b);
}

void TEinstellungen::SpeedButton6Click()
{
    const int i = selectedTool();
    if (i >= 1)
        exchangeTools(i, i - 1);
}

void TEinstellungen::SpeedButton7Click()
{
    const int i = selectedTool();
    if (i >= 0 && i + 1 < m_tools.size())
        exchangeTools(i, i + 1);
}

void TEinstellungen::BitBtn4Click()
{
    toolEditorValues() = {};
    TToolBearb editor({this, m_env.statusBar, m_env.hintsOn});
    if (editor.exec() != QDialog::Accepted)
        return;
    m_tools.append(toolEditorValues());
    PickList1->addItem(toolEditorValues().name);
}

void TEinstellungen::BitBtn6Click()
{
    const int i = selectedTool();
    if (i < 0)
        return;
    toolEditorValues() = m_tools.at(i);
    TToolBearb editor({this, m_env.statusBar, m_env.hintsOn});
    if (editor.exec() != QDialog::Accepted)
        return;
    m_tools[i] = toolEditorValues();
    PickList1->item(i)->setText(toolEditorValues().name);
    PickList1->setCurrentRow(i);
}

void TEinstellungen::BitBtn5Click()
{
    const int i = selectedTool();
    if (i < 0)
        return;
    QMessageBox question(QMessageBox::Information, QStringLiteral("Hinweis"),
                         QStringLiteral("Eintrag mit der Bezeichnung ") + m_tools.at(i).name +
                             QStringLiteral(" löschen?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() != QMessageBox::Yes)
        return;
    m_tools.removeAt(i);
    delete PickList1->takeItem(i);
    PickList1->setCurrentRow(-1);
    setEditButtonsEnabled(false);
}
