// The list dialog TDList, shared by the nine list commands, and the commands themselves.
#pragma once

#include "core/ShellState.h"
#include "editor/DocumentCommands.h"
#include "generators/ListMarkup.h"
#include "widgets/DialogBase.h"

#include <QStringList>
#include <functional>
#include <span>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QWidget;
class TListLines;
class TMDIChild;

// One editable column of lines. On creation the grid takes over the lines of the list memory and
// the memory lets go of them; OK hands them back. "&Abbruch" empties the memory; Escape and the
// window frame's close button insert nothing either but keep what was typed for the next list
// command.
class TDList : public TDialog
{
    Q_OBJECT
public:
    // The row count field offers at least this many rows; a longer list raises the limit.
    static constexpr int DesignedMaxRows = 1000;

    TDList(const DialogEnv& env, ShellState::ListMemory& memory, QStringList& memoryLines,
           const ListKindSpec& spec);

    // The rows top to bottom as the grid shows them.
    QStringList gridLines() const;
    int rowCount() const;

    // Replace the grid by the file's lines (the row count follows), or write the rows to a file.
    void loadListFile(const QString& path);
    void saveListFile(const QString& path);
    // Ask for a file first; a cancelled file dialog changes nothing.
    void BitBtn4Click();
    void BitBtn5Click();

    void accept() override;
    void reject() override;

    QWidget* Panel1;
    QSpinBox* SpinEdit1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QCheckBox* CheckBox1;
    QTableView* StringGrid1;

private:
    void BitBtn2Click();
    void SpinEdit1Change(int rows);
    void showLines(const QStringList& lines);
    void showRowCount();
    void moveRow(int from, int to);
    void commitEditor();

    ShellState::ListMemory& m_memory;
    QStringList& m_memoryLines;
    TListLines* m_lines;
    bool m_selection;
    bool m_movingRow = false;
};

// The list commands: each shows TDList with its caption and inserts the list on OK.
void Listenummeriert1Click(TMDIChild& child);
void ListenmitBuchstabengro1Click(TMDIChild& child);
void ListeBuchstabenklein1Click(TMDIChild& child);
void ListeRmischeZahlengro1Click(TMDIChild& child);
void ListeRmischeZahlenklein1Click(TMDIChild& child);
void BulletlisteRund1Click(TMDIChild& child);
void BulletlisteRechteckig1Click(TMDIChild& child);
void DirectoryListe1Click(TMDIChild& child);
void Auswahlliste1Click(TMDIChild& child);

std::span<const DocumentCommand> dlistenCommands();
