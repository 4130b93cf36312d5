// TEntryListWindow: the common tool window of the URL list and the plug-in tags, which shows the
// entries of one list file of a directory for dragging into a document.
#include "references/EntryListWindow.h"

#include "core/ShellState.h"
#include "core/TextFileCodec.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/ErrorReport.h"
#include "platform/FileIo.h"
#include "platform/UserError.h"
#include "widgets/DialogHelp.h"
#include "widgets/DialogHints.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

void sortCaseless(QStringList& list)
{
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        const int caseless = a.compare(b, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a < b;
    });
}

// The frame's active document window, if any.
TMDIChild* activeDocumentOf(QWidget* frame)
{
    auto* area = frame ? frame->findChild<QMdiArea*>() : nullptr;
    QMdiSubWindow* sub = area ? area->currentSubWindow() : nullptr;
    return sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr;
}

} // namespace

QStringList listFileNames(const QString& dir, const QString& pattern)
{
    if (dir.isEmpty())
        return {};
    QStringList names = QDir(dir).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    sortCaseless(names);
    return names;
}

QStringList decodeEntryList(const QByteArray& bytes)
{
    QString text = decodeTextFile(bytes).text;
    // An empty file, a byte-order mark alone included, holds no entry.
    if (text.isEmpty())
        return {};
    // A line end closes the last entry; it does not start an empty one.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList entries = text.split(QLatin1Char('\n'));
    sortCaseless(entries);
    return entries;
}

QByteArray encodeEntryList(const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries)
        text += entry + QLatin1String("\r\n");
    // The reader takes only the file's first bytes for a byte-order mark: an entry that starts
    // with U+FEFF gets a mark in front, so that it keeps the character.
    const QByteArray bom = text.startsWith(QChar::ByteOrderMark) ? "\xEF\xBB\xBF" : "";
    return bom + text.toUtf8();
}

QStringList readListEntries(const QString& path)
{
    return decodeEntryList(readWholeFile(path));
}

TEntryListWindow::TEntryListWindow(const EntryListSpec& spec, ShellState& state,
                                   THintStatusBar* statusBar, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_spec(spec), m_state(state)
{
    setObjectName(QString::fromLatin1(spec.objectName));
    setWindowTitle(QString::fromUtf8(spec.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    m_hints = new TDialogHints(
        this, [this] { return m_state.hintsOn; }, statusBar);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Einstellung1 = MainMenu1->addMenu(QString::fromUtf8(spec.settingsMenu));
    Einstellung1->setObjectName(QStringLiteral("Einstellung1"));
    ImmerimVordergrund1 = Einstellung1->addAction(QStringLiteral("Immer im &Vordergrund"));
    ImmerimVordergrund1->setObjectName(QStringLiteral("ImmerimVordergrund1"));
    ImmerimVordergrund1->setCheckable(true);
    ImmerimVordergrund1->setChecked(true);
    rescanItem = Einstellung1->addAction(QString::fromUtf8(spec.rescanCaption));
    rescanItem->setObjectName(QString::fromLatin1(spec.rescanName));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    m_hints->set(ComboBox1, QStringLiteral("Wählen Sie hier eine vorhandene Liste aus"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setDragEnabled(true);
    ListBox1->setDragDropMode(QAbstractItemView::DragOnly);
    ListBox1->setDefaultDropAction(Qt::CopyAction);
    m_hints->set(ListBox1, QString::fromUtf8(spec.entryHint));
    BitBtn3 = makeHelpButton(this, spec.helpTopic);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    bindHelpKey(this, spec.helpTopic);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(ComboBox1);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    resize(300, 360);

    // Escape closes the window as it closes a dialog; an open menu or drop-down takes it first.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(ComboBox1, &QComboBox::activated, this, &TEntryListWindow::ComboBox1Change);
    connect(rescanItem, &QAction::triggered, this, &TEntryListWindow::rescan);
    connect(ImmerimVordergrund1, &QAction::triggered, this,
            &TEntryListWindow::ImmerimVordergrund1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { insertIntoActiveDocument(item->text()); });
    FormCreate();
}

void TEntryListWindow::FormCreate()
{
    scan();
    m_state.*m_spec.mayOpen = false;
    m_hints->apply();
}

void TEntryListWindow::FormActivate()
{
    m_hints->apply();
}

QString TEntryListWindow::directory() const
{
    return m_state.*m_spec.directory;
}

bool TEntryListWindow::staysOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

QStringList TEntryListWindow::entries() const
{
    QStringList list;
    for (int i = 0; i < ListBox1->count(); ++i)
        list.append(ListBox1->item(i)->text());
    return list;
}

void TEntryListWindow::scan()
{
    ComboBox1->addItems(listFileNames(directory(), QString::fromLatin1(m_spec.pattern)));
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    ListBox1->clear();
    if (ComboBox1->count() > 0)
        loadFile(ComboBox1->currentText());
}

void TEntryListWindow::rescan()
{
    ComboBox1->clear();
    scan();
}

void TEntryListWindow::ComboBox1Change()
{
    loadFile(ComboBox1->currentText());
}

void TEntryListWindow::loadFile(const QString& name)
{
    ListBox1->clear();
    if (name.isEmpty())
        return;
    try {
        ListBox1->addItems(readListEntries(QDir(directory()).filePath(name)));
    } catch (const UserError& error) {
        // A file removed since the scan: the list stays empty and the window open.
        reportError(this, error.text());
    }
}

void TEntryListWindow::ImmerimVordergrund1Click()
{
    const bool onTop = ImmerimVordergrund1->isChecked();
    const bool shown = isVisible();
    // Changing the flag hides a shown window; it comes back at the same place.
    const QPoint place = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) {
        move(place);
        show();
    }
}

void TEntryListWindow::BitBtn3Click()
{
    openHelp(this, m_spec.helpTopic);
}

void TEntryListWindow::insertIntoActiveDocument(const QString& entry)
{
    if (TMDIChild* child = activeDocumentOf(parentWidget()))
        child->dropListEntry(entry);
}

void TEntryListWindow::closeEvent(QCloseEvent* event)
{
    m_state.*m_spec.mayOpen = true;
    QWidget::closeEvent(event);
    // The window floats beside the frame: once it is gone the keyboard goes back to the document
    // the user writes in, not to whichever window the system picks.
    if (QWidget* frame = parentWidget()) {
        QTimer::singleShot(0, frame, [frame] {
            frame->activateWindow();
            if (TMDIChild* child = activeDocumentOf(frame))
                child->TextMemo->setFocus(Qt::ActiveWindowFocusReason);
        });
    }
}

void TEntryListWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}
