// The table dialog TDTableForm with its table files, and the table command.
#pragma once

#include "core/TextFileCodec.h"
#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <QStringList>
#include <span>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct ShellState;
struct TableMemory;
class TMDIChild;
class TTableGrid;

// Shows the table memory again when it holds a table and writes the dialog's state back into it
// whenever it closes, also after "&Abbruch", so the next use starts where this one ended.
class TDTableForm : public TFlagDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 317;

    TDTableForm(const DialogEnv& env, ShellState& state);

    QSpinBox* SpinEdit1; // columns
    QSpinBox* SpinEdit2; // rows
    QSpinBox* SpinEdit3; // border
    QSpinBox* SpinEdit4; // cellspacing
    QSpinBox* SpinEdit5; // cellpadding
    QCheckBox* CheckBox1;
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;
    QLineEdit* Edit2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    TTableGrid* StringGrid1;
    QLabel* Cell;
    QLabel* PX;
    QLabel* PY;
    QPushButton* BitBtn4; // "&Öffnen"
    QPushButton* BitBtn5; // "&Speichern"

    // The dialog's state as the table memory holds it, with the cells row by row.
    TableMemory table(QStringList* cells) const;

    // The file commands after their file dialogs; errors are reported and keep the dialog open.
    void openTable(const QString& path);
    void saveTable(const QString& path);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class FileTarget;

    void restore(const TableMemory& memory, const QStringList& cells);
    void store();
    void BitBtn4Click();
    void SaveTabelle();
    void showPointer(int column, int row, int columnWidth);
    void clearPointer();

    ShellState& m_state;
    // The encoding of the table file opened last, kept when saving; new files are UTF-8.
    TextFileFormat m_fileFormat;
};

// The table dialog, then the table at the caret when it closed with OK.
void Tabelle1Click(TMDIChild& child);

std::span<const DocumentCommand> tabelleCommands();
