// The table dialog TDTableForm with its table files, and the table command.
#include "generators/TableDialog.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"
#include "editor/FileDialogs.h"
#include "generators/TableFile.h"
#include "generators/TableGrid.h"
#include "generators/TableMarkup.h"
#include "platform/ErrorReport.h"
#include "platform/FileIo.h"
#include "platform/UserError.h"
#include "widgets/DialogHints.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

// The hints too long for one line of code, kept whole so they can be found as shown.
// clang-format off
const char* const SpinEdit3Hint = "Hier Stellen Sie den Rahmen um die Tabelle ein.@Wenn Sie die Rahmenbreite auf Null stellen, wird eine Tabelle ohne Rahmen erzeugt.|Dicke des Rahmens ";
const char* const CheckBox1Hint = "Hiermit bestimmen Sie, das die erste Zeile der Tabelle, als  Kopfzeile benutzt wird.";
const char* const CheckBox5Hint = "Hiermit erzwingen Sie eine feste Spaltenbreite.@Stellen Sie die Breite unten im Gitter ein.|Spaltenbreite erzwingen ";
const char* const CheckBox6Hint = "Hiermit erzwingen Sie eine feste Spaltenhöhe.@Stellen Sie die Höhe unten im Gitter ein.|Spaltenhöhe erzwingen";
const char* const Edit3Hint = "Hier können Sie die Tabellehöhe bestimmen (in Pixel (Wert) oder Prozent(Wert%))";
const char* const Edit4Hint = "Hier können Sie die Tabellebreit bestimmen (in Pixel (Wert) oder Prozent(Wert%))";
const char* const StringGrid1Hint = "Mit dem Gitter, können Sie wenn Spaltenbreite- und/oder Spaltenhöhe erzwingen@verwendet wird, die Spaltenhöhe und Spaltenbreite einstellen.|Eingabebereich";
const char* const CancelHint = "Wenn Sie bei einer gefüllten Liste auf Abbruch klicken,@wird das Listenfeld geleert!";
// clang-format on

// Sizes from a file beyond this would only make the grid unusable.
constexpr int MaxSectionSize = 4096;

// The folder of the table file used last, where the next file dialog starts.
QString lastTableFolder;

QSpinBox* spinEdit(QWidget* parent, const char* name, int min, int max, int start)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(min, max);
    spin->setValue(start);
    return spin;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, bool on)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const char* text)
{
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel* statusField(QWidget* parent, const char* name)
{
    auto* field = new QLabel(QString::fromLatin1(name), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) + 8);
    return field;
}

// The file dialogs of the table files: one filter, and no extension added to a typed name.
QString chooseTableFile(QWidget* parent, bool save)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Tabellen (*.tab)"));
    if (!lastTableFolder.isEmpty())
        dialog.setDirectory(lastTableFolder);
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    lastTableFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

// Loads a table file straight into the dialog's controls, so a fault keeps what came before.
class TDTableForm::FileTarget : public TableFileTarget
{
public:
    explicit FileTarget(TDTableForm& form) : f(form) {}

    void setCount(Count which, int value) override
    {
        QSpinBox* spins[] = {f.SpinEdit1, f.SpinEdit2, f.SpinEdit3, f.SpinEdit4, f.SpinEdit5};
        spins[which]->setValue(value);
    }
    void sizeGrid(int columns, int rows) override
    {
        f.StringGrid1->setDataColumns(columns);
        f.StringGrid1->setDataRows(rows);
    }
    void setText(Text which, const QString& text) override
    {
        QLineEdit* edits[] = {f.Edit3, f.Edit4, f.Edit1, f.Edit2};
        edits[which]->setText(text);
    }
    void setRowHeights(int height) override
    {
        f.StringGrid1->setRowHeights(std::clamp(height, 0, MaxSectionSize));
    }
    void setColumnWidth(int column, int width) override
    {
        f.StringGrid1->setColumnWidth(column, std::clamp(width, 0, MaxSectionSize));
    }
    void setOption(Option which, bool on) override
    {
        QCheckBox* boxes[] = {f.CheckBox1, f.CheckBox2, f.CheckBox3,
                              f.CheckBox4, f.CheckBox5, f.CheckBox6};
        boxes[which]->setChecked(on);
    }
    void setCell(int row, int column, const QString& text) override
    {
        f.StringGrid1->setCellText(row, column, text);
    }

private:
    TDTableForm& f;
};

TDTableForm::TDTableForm(const DialogEnv& env, ShellState& state)
    : TFlagDialog(env, QStringLiteral("Tabelle"), HelpTopic, state.acceptFlag), m_state(state)
{
    using namespace TableLimits;
    setObjectName(QStringLiteral("DTableForm"));

    SpinEdit1 = spinEdit(this, "SpinEdit1", MinColumns, MaxColumns, 1);
    setHint(SpinEdit1, "Hier stellen Sie die Anzahl der Spalten ein.");
    SpinEdit2 = spinEdit(this, "SpinEdit2", MinRows, MaxRows, 1);
    setHint(SpinEdit2, "Hier stellen Sie die Anzahl der Zeilen ein.");
    SpinEdit3 = spinEdit(this, "SpinEdit3", MinSpacing, MaxSpacing, 1);
    setHint(SpinEdit3, SpinEdit3Hint);
    SpinEdit4 = spinEdit(this, "SpinEdit4", MinSpacing, MaxSpacing, 0);
    setHint(SpinEdit4, "Hiermit stellen Sie die dicke des inneren Tabellengitters ein.");
    SpinEdit5 = spinEdit(this, "SpinEdit5", MinSpacing, MaxSpacing, 0);
    setHint(SpinEdit5, "Hiermit bestimmen Sie den Abstand zwischen Zelleninhalt und Zellenrand.");

    CheckBox1 = checkBox(this, "CheckBox1", "&Erste Spalte ist Kopf", false);
    setHint(CheckBox1, CheckBox1Hint);
    Edit1 = lineEdit(this, "Edit1", "Titel 1");
    setHint(Edit1, "Hiermit können Sie einen Titel über die erste Zeile setzen.");
    CheckBox2 = checkBox(this, "CheckBox2", "", true);
    setHint(CheckBox2, "Hiermit schalten Sie denTitel über der erste Zeile an.");
    Edit2 = lineEdit(this, "Edit2", "Titel 2");
    setHint(Edit2, "Hiermit können Sie einen zweiten Titel setzen.");
    CheckBox3 = checkBox(this, "CheckBox3", "", false);
    setHint(CheckBox3, "Hiermit schalten Sie denTitel 2 an.");
    CheckBox4 = checkBox(this, "CheckBox4", "Titel 2 als &Fußzeile", false);
    setHint(CheckBox4,
            "Hiermit bestimmen Sie, das der zweite Titel, unter die letzte Zeile gesetzt wird.");
    CheckBox5 = checkBox(this, "CheckBox5", "Spalten&breite erzwingen", false);
    setHint(CheckBox5, CheckBox5Hint);
    CheckBox6 = checkBox(this, "CheckBox6", "Spalten&höhe erzwingen", false);
    setHint(CheckBox6, CheckBox6Hint);
    Edit3 = lineEdit(this, "Edit3", "");
    setHint(Edit3, Edit3Hint);
    Edit4 = lineEdit(this, "Edit4", "");
    setHint(Edit4, Edit4Hint);
    EntityKeyFilter::attach(Edit1);
    EntityKeyFilter::attach(Edit2);

    StringGrid1 = new TTableGrid(this);
    setHint(StringGrid1, StringGrid1Hint);
    Cell = statusField(this, "Cell");
    setHint(Cell, "Koordinaten der Zelle.");
    PX = statusField(this, "PX");
    setHint(PX, "Breite der Zelle in Pixel.");
    PY = statusField(this, "PY");
    setHint(PY, "Höhe der Zelle in Pixel.");

    BitBtn4 = new QPushButton(QStringLiteral("&Öffnen"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);
    setHint(BitBtn4, "Öffnet eine gespeicherte Tabelle");
    BitBtn5 = new QPushButton(QStringLiteral("&Speichern"), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setAutoDefault(false);
    setHint(BitBtn5, "Seichert die aktuelle Tabelle");
    setHint(cancelButton(), CancelHint);

    auto* fields = new QGridLayout;
    auto place = [&](const char* caption, QWidget* field, int row, int column) {
        fields->addWidget(labelFor(caption, field), row, column);
        fields->addWidget(field, row, column + 1);
    };
    place("Spalten:", SpinEdit1, 0, 0);
    place("Zeilen:", SpinEdit2, 1, 0);
    place("Rahmen:", SpinEdit3, 2, 0);
    place("cellspacing:", SpinEdit4, 3, 0);
    place("cellpadding:", SpinEdit5, 4, 0);
    place("Titel &1:", Edit1, 0, 2);
    fields->addWidget(CheckBox2, 0, 4);
    place("Titel &2:", Edit2, 1, 2);
    fields->addWidget(CheckBox3, 1, 4);
    fields->addWidget(CheckBox4, 2, 3);
    fields->addWidget(CheckBox1, 3, 3);
    fields->addWidget(CheckBox5, 4, 3);
    fields->addWidget(CheckBox6, 5, 3);
    place("Tabellenhöhe:", Edit3, 0, 5);
    place("Tabellenbreite:", Edit4, 1, 5);
    place("Zelle", Cell, 3, 5);
    place("Breite", PX, 4, 5);
    place("Höhe", PY, 5, 5);
    fields->setColumnStretch(3, 1);

    auto* files = new QHBoxLayout;
    files->addWidget(BitBtn4);
    files->addWidget(BitBtn5);
    files->addStretch();

    auto* body = new QVBoxLayout;
    body->addLayout(fields);
    body->addWidget(StringGrid1, 1);
    body->addLayout(files);
    finishLayout(body);
    // Unlike the other dialogs this one is sized by the user, for the grid.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    resize(std::max(sizeHint().width(), 640), 480);

    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int count) {
        StringGrid1->setDataColumns(count);
        m_state.tableMemory.columns = QString::number(count);
    });
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this](int count) {
        StringGrid1->setDataRows(count);
        m_state.tableMemory.rows = QString::number(count);
    });
    connect(SpinEdit3, &QSpinBox::valueChanged, this, [this](int border) {
        StringGrid1->setGridLineWidth(border);
        m_state.tableMemory.border = QString::number(border);
    });
    // A typed size and forced cell sizes exclude each other. Only the user's own changes count:
    // restoring and loading set both sides as they were.
    for (QLineEdit* size : {Edit3, Edit4})
        connect(size, &QLineEdit::textEdited, this, [this] {
            CheckBox5->setChecked(false);
            CheckBox6->setChecked(false);
        });
    for (QCheckBox* force : {CheckBox5, CheckBox6})
        connect(force, &QCheckBox::clicked, this, [this] {
            Edit3->clear();
            Edit4->clear();
        });
    connect(StringGrid1, &TTableGrid::pointerOver, this, &TDTableForm::showPointer);
    connect(StringGrid1, &TTableGrid::pointerOutside, this, &TDTableForm::clearPointer);
    connect(BitBtn4, &QPushButton::clicked, this, &TDTableForm::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TDTableForm::SaveTabelle);

    StringGrid1->setGridLineWidth(SpinEdit3->value());
    if (!m_state.tableMemory.columns.isEmpty()) {
        restore(m_state.tableMemory, m_state.tableGeneratorLines);
        m_state.tableGeneratorLines.clear();
    }
    SpinEdit1->setFocus();
}

void TDTableForm::restore(const TableMemory& memory, const QStringList& cells)
{
    // Copies first: the count fields write into the memory as they change.
    const TableMemory m = memory;
    SpinEdit1->setValue(m.columns.toInt());
    SpinEdit2->setValue(m.rows.toInt());
    SpinEdit3->setValue(m.border.toInt());
    SpinEdit4->setValue(m.cellSpacing.toInt());
    SpinEdit5->setValue(m.cellPadding.toInt());
    const int columns = SpinEdit1->value(), rows = SpinEdit2->value();
    StringGrid1->setDataColumns(columns);
    StringGrid1->setDataRows(rows);
    StringGrid1->setGridLineWidth(SpinEdit3->value());
    CheckBox1->setChecked(m.firstRowHeader);
    CheckBox2->setChecked(m.title1On);
    CheckBox3->setChecked(m.title2On);
    CheckBox4->setChecked(m.title2Footer);
    CheckBox5->setChecked(m.forceColumnWidth);
    CheckBox6->setChecked(m.forceRowHeight);
    Edit1->setText(m.title1);
    Edit2->setText(m.title2);
    Edit3->setText(m.tableHeight);
    Edit4->setText(m.tableWidth);
    StringGrid1->setRowHeights(m.rowHeight);
    for (int c = 0; c < columns && c < m.columnWidths.size(); ++c)
        StringGrid1->setColumnWidth(c, m.columnWidths.at(c));
    // Without updates the grid lays out once, not once per cell.
    StringGrid1->setUpdatesEnabled(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            StringGrid1->setCellText(r, c, cells.value(qsizetype(r) * columns + c));
    StringGrid1->setUpdatesEnabled(true);
}

TableMemory TDTableForm::table(QStringList* cells) const
{
    StringGrid1->commitEditor();
    TableMemory t;
    t.columns = QString::number(SpinEdit1->value());
    t.rows = QString::number(SpinEdit2->value());
    t.border = QString::number(SpinEdit3->value());
    t.cellSpacing = QString::number(SpinEdit4->value());
    t.cellPadding = QString::number(SpinEdit5->value());
    t.rowHeight = StringGrid1->firstRowHeight();
    t.firstRowHeader = CheckBox1->isChecked();
    t.title1On = CheckBox2->isChecked();
    t.title2On = CheckBox3->isChecked();
    t.title2Footer = CheckBox4->isChecked();
    t.forceColumnWidth = CheckBox5->isChecked();
    t.forceRowHeight = CheckBox6->isChecked();
    t.tableHeight = Edit3->text();
    t.tableWidth = Edit4->text();
    t.title1 = Edit1->text();
    t.title2 = Edit2->text();
    for (int c = 0; c < StringGrid1->dataColumns(); ++c)
        t.columnWidths << StringGrid1->columnWidth(c);
    if (cells)
        *cells = StringGrid1->cellTexts();
    return t;
}

void TDTableForm::store()
{
    m_state.tableMemory = table(&m_state.tableGeneratorLines);
}

void TDTableForm::done(int result)
{
    // Every way of closing lands here: OK, Abbruch, Escape and the window frame.
    store();
    TFlagDialog::done(result);
}

void TDTableForm::openTable(const QString& path)
{
    try {
        const QStringList lines = tableFileLines(path, &m_fileFormat);
        FileTarget target(*this);
        StringGrid1->setUpdatesEnabled(false);
        const auto enable = qScopeGuard([this] { StringGrid1->setUpdatesEnabled(true); });
        readTableFile(lines, target);
    } catch (const UserError& error) {
        reportError(this, error.text());
    }
}

void TDTableForm::saveTable(const QString& path)
{
    try {
        QStringList cells;
        const TableMemory t = table(&cells);
        writeFileAtomically(path, tableFileBytes(t, cells, m_fileFormat));
    } catch (const UserError& error) {
        reportError(this, error.text());
    }
}

void TDTableForm::BitBtn4Click()
{
    const QString path = chooseTableFile(this, false);
    if (!path.isEmpty())
        openTable(path);
}

void TDTableForm::SaveTabelle()
{
    const QString path = chooseTableFile(this, true);
    if (!path.isEmpty())
        saveTable(path);
}

void TDTableForm::showPointer(int column, int row, int columnWidth)
{
    Cell->setText(QString::number(column) + QLatin1Char(':') + QString::number(row));
    PX->setText(QString::number(columnWidth));
    PY->setText(QString::number(StringGrid1->firstRowHeight()));
}

void TDTableForm::clearPointer()
{
    Cell->clear();
    PX->clear();
    PY->clear();
}

void TDTableForm::showEvent(QShowEvent* event)
{
    TFlagDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TDTableForm::changeEvent(QEvent* event)
{
    TFlagDialog::changeEvent(event);
    // The hint switch is read again each time the dialog becomes active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        hints()->apply();
}

void Tabelle1Click(TMDIChild& child)
{
    ShellState& state = shellStateOf(child);
    {
        TDTableForm dialog(dialogEnv(child), state);
        dialog.exec();
    }
    if (!state.acceptFlag)
        return;
    child.Insert(tableMarkup(state.tableMemory, state.tableGeneratorLines));
}

namespace
{

const DocumentCommand commands[] = {
    {"Tabelle1Click", &Tabelle1Click},
};

} // namespace

std::span<const DocumentCommand> tabelleCommands()
{
    return commands;
}
