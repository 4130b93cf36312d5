// The list dialog TDList, shared by the nine list commands, and the commands themselves.
#include "generators/ListDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/FileDialogs.h"
#include "generators/ListFile.h"
#include "platform/ErrorReport.h"
#include "platform/UserError.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

// The grid's lines: one editable column, any number of rows.
class TListLines : public QAbstractListModel
{
public:
    explicit TListLines(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_lines.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_lines.at(index.row());
    }
    // A line never holds a line end: a text with several lines fills the rows from this one
    // down, and rows are added where the list ends.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole)
            return false;
        const QStringList parts = splitListLine(value.toString());
        const int first = index.row();
        const int last = first + int(parts.size()) - 1;
        if (last >= rowCount())
            resize(last + 1);
        for (int i = 0; i < parts.size(); ++i)
            m_lines[first + i] = parts.at(i);
        emit dataChanged(index, this->index(last), {Qt::DisplayRole, Qt::EditRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
    }

    const QStringList& lines() const { return m_lines; }
    void setLines(const QStringList& lines)
    {
        beginResetModel();
        m_lines = lines;
        endResetModel();
    }
    // The line moves from row from to row to; the lines between close up.
    void moveLine(int from, int to)
    {
        m_lines.move(from, to);
        emit dataChanged(index(qMin(from, to)), index(qMax(from, to)),
                         {Qt::DisplayRole, Qt::EditRole});
    }
    // Rows beyond the count are dropped, new rows are empty.
    void resize(int rows)
    {
        const int now = int(m_lines.size());
        if (rows > now) {
            beginInsertRows({}, now, rows - 1);
            m_lines.resize(rows);
            endInsertRows();
        } else if (rows < now) {
            beginRemoveRows({}, rows, now - 1);
            m_lines.resize(rows);
            endRemoveRows();
        }
    }

private:
    QStringList m_lines;
};

namespace
{

constexpr int ColumnWidth = 500;
constexpr int RowHeight = 20;
constexpr int PanelHeight = 36;
constexpr int SelectionPanelHeight = 63;
// clang-format off
const char* const AbbruchHint = "Wenn Sie bei einer gefüllten Liste auf Abbruch klicken,@wird das Listenfeld geleert!";
// clang-format on

// A table view that can hand an open cell editor's text to the model before the rows are read.
class TListGrid : public QTableView
{
public:
    using QTableView::QTableView;

    void commitOpenEditor()
    {
        QWidget* editor = indexWidget(currentIndex());
        if (editor && state() == EditingState) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    // The row below the current one, or none.
    QModelIndex rowBelow() const { return model()->index(currentIndex().row() + 1, 0); }

protected:
    // Pasting into the grid, with no line being typed, fills the rows from the current one with
    // the clipboard's lines.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste) && state() != EditingState) {
            const QString text = QGuiApplication::clipboard()->text();
            const QModelIndex at = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
            if (!text.isEmpty() && at.isValid())
                model()->setData(at, text);
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

// Return takes a typed line and moves to the row below without opening it, so the next Return,
// with no line being typed, presses OK.
class TListDelegate : public QStyledItemDelegate
{
public:
    explicit TListDelegate(TListGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    // A line end pasted or dropped into the line being typed takes the line at once, so that its
    // lines spread over the rows below instead of showing in one row.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            TListGrid* grid = m_grid;
            connect(line, &QLineEdit::textEdited, grid, [grid](const QString& text) {
                if (holdsLineEnd(text))
                    grid->commitOpenEditor();
            });
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                const QModelIndex below = m_grid->rowBelow();
                if (below.isValid())
                    m_grid->setCurrentIndex(below);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TListGrid* m_grid;
};

} // namespace

TDList::TDList(const DialogEnv& env, ShellState::ListMemory& memory, QStringList& memoryLines,
               const ListKindSpec& spec)
    : TDialog(env, QString::fromUtf8(spec.caption), memory.helpTopic), m_memory(memory),
      m_memoryLines(memoryLines), m_selection(spec.kind == ListKind::Selection)
{
    setObjectName(QStringLiteral("DList"));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(m_selection ? SelectionPanelHeight : PanelHeight);

    SpinEdit1 = new QSpinBox(Panel1);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, DesignedMaxRows);
    setHint(SpinEdit1, "Geben Sie hier die Anzahl der Zeilen ein");
    BitBtn4 = new QPushButton(QStringLiteral("&Öffnen"), Panel1);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);
    setHint(BitBtn4, "Öffnet eine gespeicherte Liste.");
    BitBtn5 = new QPushButton(QStringLiteral("&Speichern"), Panel1);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setAutoDefault(false);
    setHint(BitBtn5, "Seichert die aktuelle Liste.");

    Edit2 = new QLineEdit(Panel1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    setHint(Edit2, "Geben Sie hier den Namen der Auswahlliste an");
    Edit3 = new QLineEdit(Panel1);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    setHint(Edit3, "Hiermit bestimmen Sie die Anzeigegröße der Auswahlliste");
    CheckBox1 = new QCheckBox(QStringLiteral("multiple"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setHint(CheckBox1, "Erlaubt die Mehrfachauswahl");

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(labelFor("&Anzahl der Zeilen:", SpinEdit1));
    countRow->addWidget(SpinEdit1);
    countRow->addStretch();
    countRow->addWidget(BitBtn4);
    countRow->addWidget(BitBtn5);
    auto* selectRow = new QHBoxLayout;
    QLabel* nameLabel = labelFor("&Name:", Edit2);
    QLabel* sizeLabel = labelFor("&Size:", Edit3);
    selectRow->addWidget(nameLabel);
    selectRow->addWidget(Edit2, 3);
    selectRow->addWidget(sizeLabel);
    selectRow->addWidget(Edit3, 1);
    selectRow->addWidget(CheckBox1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addLayout(countRow);
    panelLayout->addLayout(selectRow);
    for (QWidget* field : {static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(Edit2),
                           static_cast<QWidget*>(sizeLabel), static_cast<QWidget*>(Edit3),
                           static_cast<QWidget*>(CheckBox1)})
        field->setVisible(m_selection);

    auto* grid = new TListGrid(this);
    StringGrid1 = grid;
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    m_lines = new TListLines(StringGrid1);
    StringGrid1->setModel(m_lines);
    StringGrid1->setItemDelegate(new TListDelegate(grid));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(false);
    StringGrid1->setColumnWidth(0, ColumnWidth);
    // The row header is where rows are resized and moved with the mouse.
    QHeaderView* rows = StringGrid1->verticalHeader();
    rows->setDefaultSectionSize(RowHeight);
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Interactive);
    rows->setSectionsMovable(true);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Moving to a row does not open it: typing, F2, a double click or a click on the marked row do.
    StringGrid1->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setFixedHeight(spec.gridHeight);
    StringGrid1->setMinimumWidth(ColumnWidth + 2 * StringGrid1->frameWidth() +
                                 StringGrid1->verticalScrollBar()->sizeHint().width() +
                                 rows->sizeHint().width());
    setHint(StringGrid1, "Eingabebereich der Liste");

    setHint(cancelButton(), AbbruchHint);
    disconnect(cancelButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(cancelButton(), &QPushButton::clicked, this, &TDList::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TDList::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TDList::BitBtn5Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TDList::SpinEdit1Change);
    connect(m_lines, &QAbstractItemModel::rowsInserted, this, &TDList::showRowCount);
    connect(rows, &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { moveRow(from, to); });

    auto* body = new QVBoxLayout;
    body->addWidget(Panel1);
    body->addWidget(StringGrid1);
    finishLayout(body);

    // The grid takes the lines over; the memory holds none until OK or a close hands them back.
    QStringList lines = m_memoryLines.mid(0, qMax(0, m_memory.lineCount));
    lines.resize(qMax(1, m_memory.lineCount));
    m_memoryLines.clear();
    showLines(lines);
    // Tab from the row count leads straight into the lines, and typing there starts at row one.
    QWidget::setTabOrder(SpinEdit1, StringGrid1);
    StringGrid1->setCurrentIndex(m_lines->index(0, 0));
    SpinEdit1->setFocus();
}

void TDList::showLines(const QStringList& lines)
{
    m_lines->setLines(lines);
    showRowCount();
}

// A list longer than the field's limit (from a file or pasted) raises the limit.
void TDList::showRowCount()
{
    const int rows = m_lines->rowCount();
    m_memory.lineCount = rows;
    const QSignalBlocker quiet(SpinEdit1);
    SpinEdit1->setMaximum(qMax(DesignedMaxRows, rows));
    SpinEdit1->setValue(rows);
}

// The row header would only remember the move and show the rows in an order of its own, so the
// header goes back to plain order and the line itself moves: what is read, saved and dropped is
// always what the grid shows, in its order.
void TDList::moveRow(int from, int to)
{
    if (m_movingRow || from == to)
        return;
    m_movingRow = true;
    commitEditor();
    QHeaderView* header = StringGrid1->verticalHeader();
    const int current = header->visualIndex(StringGrid1->currentIndex().row());
    header->moveSection(to, from);
    // Row heights go with their lines.
    const int first = qMin(from, to), last = qMax(from, to);
    QList<int> heights;
    for (int row = first; row <= last; ++row)
        heights << header->sectionSize(row);
    heights.move(from - first, to - first);
    m_lines->moveLine(from, to);
    for (int row = first; row <= last; ++row)
        header->resizeSection(row, heights.at(row - first));
    if (current >= 0)
        StringGrid1->setCurrentIndex(m_lines->index(current, 0));
    m_movingRow = false;
}

void TDList::SpinEdit1Change(int rows)
{
    commitEditor();
    m_lines->resize(rows);
    m_memory.lineCount = rows;
}

void TDList::commitEditor()
{
    static_cast<TListGrid*>(StringGrid1)->commitOpenEditor();
}

QStringList TDList::gridLines() const
{
    return m_lines->lines();
}

int TDList::rowCount() const
{
    return m_lines->rowCount();
}

// A file that cannot be read or written is reported here, inside the dialog, so that the error
// never unwinds through the button's click handling in Qt.
void TDList::loadListFile(const QString& path)
{
    commitEditor();
    try {
        QStringList lines = readListFile(path);
        // The grid always shows at least one row; an empty file gives one empty line.
        if (lines.isEmpty())
            lines.append(QString());
        showLines(lines);
    } catch (const UserError& error) {
        reportError(this, error.text());
    }
}

void TDList::saveListFile(const QString& path)
{
    commitEditor();
    try {
        writeListFile(path, gridLines());
    } catch (const UserError& error) {
        reportError(this, error.text());
    }
}

void TDList::BitBtn4Click()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Liste (*.lst)"), QStringLiteral("Alle Dateien (*.*)")});
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    loadListFile(dialog.selectedFiles().constFirst());
}

void TDList::BitBtn5Click()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Listen (*.lst)")});
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveListFile(dialog.selectedFiles().constFirst());
}

void TDList::accept()
{
    commitEditor();
    m_memory.accepted = true;
    m_memoryLines = gridLines();
    m_memory.lineCount = int(m_memoryLines.size());
    if (m_selection) {
        const SelectListValues values =
            selectListValues(Edit2->text(), Edit3->text(), CheckBox1->isChecked());
        m_memory.selectName = values.name;
        m_memory.selectSizePart = values.sizePart;
        m_memory.selectMultiplePart = values.multiplePart;
    }
    TDialog::accept();
}

void TDList::BitBtn2Click()
{
    m_memory.accepted = false;
    m_memoryLines.clear();
    m_memory.lineCount = 0;
    TDialog::reject();
}

void TDList::reject()
{
    // Escape or the window frame: nothing is inserted, but the typed lines wait for the next
    // list command.
    commitEditor();
    m_memory.accepted = false;
    m_memoryLines = gridLines();
    m_memory.lineCount = int(m_memoryLines.size());
    TDialog::reject();
}

namespace
{

void runList(TMDIChild& child, ListKind kind)
{
    ShellState& state = shellStateOf(child);
    ShellState::ListMemory& memory = state.listMemory;
    QStringList& lines = state.listGeneratorLines;
    if (memory.lineCount <= 0) {
        memory.lineCount = 1;
        lines = QStringList{QString()};
    }
    const ListKindSpec& spec = listKindSpec(kind);
    memory.helpTopic = spec.helpTopic;
    memory.accepted = false;
    {
        TDList dialog(dialogEnv(child), memory, lines, spec);
        dialog.exec();
    }
    if (!memory.accepted)
        return;
    // Never more lines than the memory holds.
    const QStringList items = lines.mid(0, qMax(0, memory.lineCount));
    child.Insert(
        kind == ListKind::Selection
            ? selectListMarkup(
                  {memory.selectName, memory.selectSizePart, memory.selectMultiplePart}, items)
            : listMarkup(kind, items));
}

} // namespace

void Listenummeriert1Click(TMDIChild& child)
{
    runList(child, ListKind::Numbered);
}

void ListenmitBuchstabengro1Click(TMDIChild& child)
{
    runList(child, ListKind::UpperAlpha);
}

void ListeBuchstabenklein1Click(TMDIChild& child)
{
    runList(child, ListKind::LowerAlpha);
}

void ListeRmischeZahlengro1Click(TMDIChild& child)
{
    runList(child, ListKind::UpperRoman);
}

void ListeRmischeZahlenklein1Click(TMDIChild& child)
{
    runList(child, ListKind::LowerRoman);
}

void BulletlisteRund1Click(TMDIChild& child)
{
    runList(child, ListKind::BulletRound);
}

void BulletlisteRechteckig1Click(TMDIChild& child)
{
    runList(child, ListKind::BulletSquare);
}

void DirectoryListe1Click(TMDIChild& child)
{
    runList(child, ListKind::Directory);
}

void Auswahlliste1Click(TMDIChild& child)
{
    runList(child, ListKind::Selection);
}

namespace
{

const DocumentCommand commands[] = {
    {"Listenummeriert1Click", &Listenummeriert1Click},
    {"ListenmitBuchstabengro1Click", &ListenmitBuchstabengro1Click},
    {"ListeBuchstabenklein1Click", &ListeBuchstabenklein1Click},
    {"ListeRmischeZahlengro1Click", &ListeRmischeZahlengro1Click},
    {"ListeRmischeZahlenklein1Click", &ListeRmischeZahlenklein1Click},
    {"BulletlisteRund1Click", &BulletlisteRund1Click},
    {"BulletlisteRechteckig1Click", &BulletlisteRechteckig1Click},
    {"DirectoryListe1Click", &DirectoryListe1Click},
    {"Auswahlliste1Click", &Auswahlliste1Click},
};

} // namespace

std::span<const DocumentCommand> dlistenCommands()
{
    return commands;
}
