// TMDIChild: the document window with its text control, menus, timers and file handling.
#include "editor/Childwin.h"

#include "core/ColorText.h"
#include "core/ShellState.h"
#include "editor/ChildMenus.h"
#include "editor/Conversions.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentFileFilters.h"
#include "editor/DocumentHost.h"
#include "editor/EntityKeyFilter.h"
#include "editor/ExtRich.h"
#include "editor/FindReplace.h"
#include "editor/Rtf.h"
#include "editor/Ruler.h"
#include "editor/SimpleCommands.h"
#include "editor/Sonderz.h"
#include "editor/filedrag.h"
#include "platform/ErrorReport.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/ShellLaunch.h"
#include "platform/UserError.h"
#include "widgets/HintStatusBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

const QString TMDIChild::Untitled = QStringLiteral("Dokument");

namespace
{

// The document text with '\n' between lines and every character as typed (QTextDocument's
// toPlainText would turn non-breaking spaces into blanks).
QString rawDocumentText(const TExtRich* memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

// A zero interval would write at every idle moment: it switches the timer off instead.
void applyInterval(QTimer* timer, int interval)
{
    if (interval <= 0) {
        timer->stop();
        return;
    }
    if (timer->interval() != interval || !timer->isActive())
        timer->start(interval);
}

} // namespace

TMDIChild::TMDIChild(DocumentHost* host, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    FileName = Untitled;
    setWindowTitle(Untitled);

    TextMemo = new TExtRich(this);
    TextMemo->setObjectName(QStringLiteral("TextMemo"));
    TextMemo->setStatusTip(FileName);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    TextMemo->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Ruler = new TRuler(this);
    layout->addWidget(Ruler);
    layout->addWidget(TextMemo);
    Ruler->attach(TextMemo);
    setFocusProxy(TextMemo);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1, &QTimer::timeout, this, &TMDIChild::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TMDIChild::Timer2Timer);
    Timer1->start(ShellState::DesignedBackupInterval);
    Timer2->start(ShellState::DesignedAutoSaveInterval);

    FileDrag1 = new TFileDrag(this);
    FileDrag1->setObjectName(QStringLiteral("FileDrag1"));
    FileDrag1->setEnableDrop(false);

    connect(TextMemo, &TExtRich::posChange, this, &TMDIChild::TextMemoPosChange);
    connect(TextMemo, &TExtRich::modeChange, this, &TMDIChild::TextMemoModeChange);
    TextMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TextMemo, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Edit1Click();
        m_memoPopUp->popup(TextMemo->viewport()->mapToGlobal(pos));
    });
    TextMemo->viewport()->installEventFilter(this);

    buildMenus();
    TextMemo->setEditRect();

    EntityKeyFilter::attach(TextMemo, [this] { return twin("AutoUmlaute1")->isChecked(); });

    m_findReplace = new TFindReplace(TextMemo, this);
    connect(m_findReplace, &TFindReplace::searchStarted, this, [this] {
        SearchStarted = true;
        for (const char* name : {"FindNext1", "Weitersuchen1"})
            twin(name)->setEnabled(true);
        if (m_host)
            m_host->setFindNextEnabled(true);
    });
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::buildMenus()
{
    for (const ChildMenu& spec : childMenus()) {
        auto* menu = new QMenu(QString::fromUtf8(spec.caption), this);
        menu->setObjectName(QString::fromLatin1(spec.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(spec.name));
        buildMenu<TMDIChild>(menu, spec.rows, this, m_actions);
        m_mergedMenus.append({spec.group, menu});
    }
    m_memoPopUp = new QMenu(this);
    m_memoPopUp->setObjectName(QStringLiteral("MemoPopUp"));
    buildMenu<TMDIChild>(m_memoPopUp, memoPopUpRows(), this, m_actions);

    // Items of simple and bound commands name their command; walking the menus (not the
    // registry) wires every item even if two ever shared a name.
    QList<QMenu*> roots{m_memoPopUp};
    for (const auto& entry : std::as_const(m_mergedMenus))
        roots.append(entry.second);
    for (QMenu* root : std::as_const(roots)) {
        for (QAction* item : root->findChildren<QAction*>()) {
            const QString name = item->property("command").toString();
            if (name.isEmpty())
                continue;
            Q_ASSERT_X(hasNamedCommand(name), "TMDIChild::buildMenus", qPrintable(name));
            connect(item, &QAction::triggered, this,
                    [this, name] { runNamedCommand(*this, name); });
        }
    }

    // Edit items are only switched off while their menu is open: their keys must keep working.
    auto enableAllAgain = [this] {
        for (const char* name : {"Rckgngig2", "Cut1", "Copy1", "Paste1", "Delete1", "Rckgngig1",
                                 "Ausschneiden1", "Kopieren1", "Einfgen1", "Lschen1"})
            if (QAction* a = twin(name))
                a->setEnabled(true);
    };
    QMenu* edit = m_mergedMenus.first().second;
    connect(edit, &QMenu::aboutToShow, this, &TMDIChild::Edit1Click);
    connect(edit, &QMenu::aboutToHide, this, enableAllAgain);
    connect(m_memoPopUp, &QMenu::aboutToHide, this, enableAllAgain);

    // Keys of commands reach the commands, never the control's built-in bindings.
    QList<QKeySequence> keys = m_host ? m_host->frameCommandKeys() : QList<QKeySequence>();
    for (QAction* a : std::as_const(m_actions))
        keys += a->shortcuts();
    TextMemo->setCommandKeys(keys);
}

QAction* TMDIChild::twin(const char* name) const
{
    return m_actions.value(QString::fromLatin1(name));
}

QPrinter* TMDIChild::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

QFileDialog* TMDIChild::saveFileDialog()
{
    if (!m_saveDialog) {
        m_saveDialog = new QFileDialog(this);
        m_saveDialog->setObjectName(QStringLiteral("SaveFileDialog"));
        m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_saveDialog->setFileMode(QFileDialog::AnyFile);
        m_saveDialog->setNameFilters(documentFileFilters());
        m_saveDialog->setDefaultSuffix(QStringLiteral("html"));
    }
    return m_saveDialog;
}

void TMDIChild::NewChildWindow()
{
    TextMemo->clearLines();
    TextMemo->setModified(false);
}

void TMDIChild::LoadFile(const QString& path)
{
    FileName = path;
    TextMemo->setStatusTip(path);
    setWindowTitle(fileNamePart(path));
    FileExt = fileExtension(path).left(255);
    if (FileExt == QLatin1String(".rtf"))
        TextMemo->setPlainTextMode(false);
    const QByteArray bytes = readWholeFile(path);
    if (TextMemo->isPlainTextMode()) {
        const DecodedText decoded = decodeTextFile(bytes);
        m_format = decoded.format;
        TextMemo->loadText(decoded.text);
    } else {
        readRtf(bytes, TextMemo->document());
    }
    TextMemo->setSelStart(0);
    TextMemo->setModified(false);
}

void TMDIChild::FormActivate()
{
    TextMemo->reportPosition();
    TextMemo->reportMode();
    if (!m_host)
        return;
    m_host->setFindNextEnabled(SearchStarted);
    const ShellState& state = m_host->shellState();

    QFont font = TextMemo->font();
    if (state.fontName != QLatin1String("Default") && !state.fontName.isEmpty())
        font.setFamily(state.fontName);
    if (state.fontSize > 0)
        font.setPointSize(state.fontSize);
    font.setBold(state.bold);
    font.setItalic(state.italic);
    font.setUnderline(state.underline);
    if (font != TextMemo->font())
        TextMemo->setFont(font);
    QPalette palette = TextMemo->palette();
    palette.setColor(QPalette::Text, ColorText::toQColor(state.fontColor));
    palette.setColor(QPalette::Base, ColorText::toQColor(state.background));
    TextMemo->setPalette(palette);

    // A rich-text document carries its own paragraph alignments; activating its window must
    // neither re-align the paragraph at the caret nor mark the document changed.
    if (TextMemo->isPlainTextMode()) {
        if (state.align == QLatin1String("left"))
            TextMemo->setTextAlignment(Qt::AlignLeft);
        else if (state.align == QLatin1String("center"))
            TextMemo->setTextAlignment(Qt::AlignHCenter);
        else if (state.align == QLatin1String("right"))
            TextMemo->setTextAlignment(Qt::AlignRight);
    }

    const bool selected[] = {state.browser1Selected, state.browser2Selected};
    const char* items[] = {"Browser1aufrufen", "Browser2aufrufen"};
    for (int i = 0; i < 2; ++i) {
        if (QAction* item = twin(items[i])) {
            item->setEnabled(selected[i]);
            applyHint(item, selected[i] ? m_host->browserButtonHint(i + 1)
                                        : QStringLiteral("Kein Browser eingetragen."));
        }
    }

    applyInterval(Timer1, state.backupInterval);
    applyInterval(Timer2, state.autoSaveInterval);
    TextMemo->viewport()->update();
    TextMemo->setEditRect();
}

void TMDIChild::Modifiziert()
{
    if (m_host)
        m_host->hintStatusBar()->setPanelText(QStringLiteral("HintStatusPanel4"),
                                              TextMemo->isModified() ? QStringLiteral("Geändert")
                                                                     : QString());
}

void TMDIChild::FormShowN()
{
    if (!m_host)
        return;
    const QAction* autoUmlaute = twin("AutoUmlaute1");
    m_host->hintStatusBar()->setPanelText(
        QStringLiteral("HintStatusPanel1"),
        autoUmlaute && autoUmlaute->isChecked() ? QStringLiteral("AUML") : QStringLiteral("UML"));
}

void TMDIChild::TextMemoPosChange(int col, int row)
{
    if (m_host)
        m_host->hintStatusBar()->setPanelText(QStringLiteral("HintStatusPanel2"),
                                              QStringLiteral("%1 : %2").arg(row).arg(col));
}

void TMDIChild::TextMemoModeChange(bool insertMode)
{
    if (m_host)
        m_host->hintStatusBar()->setPanelText(QStringLiteral("HintStatusPanel5"),
                                              insertMode ? QStringLiteral("Einfg")
                                                         : QStringLiteral("Übers"));
}

void TMDIChild::writeDocument(const QString& path)
{
    QByteArray bytes;
    if (TextMemo->isPlainTextMode())
        bytes = encodeTextFile(rawDocumentText(TextMemo), &m_format);
    else
        bytes = writeRtf(TextMemo->document());
    writeFileAtomically(path, bytes);
}

bool TMDIChild::save()
{
    if (FileName == Untitled)
        return saveAs();
    writeDocument(FileName);
    TextMemo->setModified(false);
    return true;
}

bool TMDIChild::saveAs()
{
    QFileDialog* dialog = saveFileDialog();
    dialog->selectFile(FileName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
    FileName = path;
    TextMemo->setStatusTip(path);
    setWindowTitle(fileNamePart(path));
    if (m_host)
        m_host->documentSavedAs(path);
    return save();
}

bool TMDIChild::FormCloseQuery()
{
    if (!TextMemo->isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Hinweis"),
        QStringLiteral("Änderungen speichern unter %1?").arg(FileName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // Only a completed save lets the window go: its text must not be lost.
    try {
        return save();
    } catch (const UserError& error) {
        reportError(this, error.text());
        return false;
    }
}

void TMDIChild::closeWithoutQuery()
{
    m_closeAsked = true;
    if (QWidget* frame = parentWidget())
        frame->close();
    else
        close();
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (m_closeAsked || FormCloseQuery()) {
        m_closeAsked = true;
        Timer1->stop();
        Timer2->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

void TMDIChild::Close1Click()
{
    if (QWidget* frame = parentWidget())
        frame->close();
    else
        close();
}

void TMDIChild::Print1Click()
{
    QPrintDialog dialog(printer(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer()->setDocName(FileName);
    TextMemo->print(printer());
}

void TMDIChild::launchBrowser(int browser)
{
    if (!m_host)
        return;
    const ShellState& state = m_host->shellState();
    const QString program = browser == 1 ? state.browser1Path : state.browser2Path;
    // The browser shows the file as last saved; a document without a file gets no argument.
    launchInShell(this, program,
                  FileName == Untitled
                      ? QString()
                      : QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath()));
}

void TMDIChild::Browser1aufrufenClick()
{
    launchBrowser(1);
}

void TMDIChild::Browser2aufrufenClick()
{
    launchBrowser(2);
}

void TMDIChild::WordWrap1Click()
{
    TextMemo->setWordWrap(!TextMemo->wordWrap());
    action(QStringLiteral("WordWrap1"))->setChecked(TextMemo->wordWrap());
}

void TMDIChild::Tabulatorverwenden1Click()
{
    TextMemo->setWantTabs(!TextMemo->wantTabs());
    action(QStringLiteral("Tabulatorverwenden1"))->setChecked(TextMemo->wantTabs());
}

void TMDIChild::Suchen2Click()
{
    m_findReplace->Suchen2Click();
}

void TMDIChild::FindNext1Click()
{
    m_findReplace->FindNext1Click();
}

void TMDIChild::Ersetzen2Click()
{
    m_findReplace->Ersetzen2Click();
}

void TMDIChild::mZAnsiOemClick()
{
    Conversions::ansiToOem(TextMemo, FileExt);
}

void TMDIChild::mZOemAnsiClick()
{
    Conversions::oemToAnsi(TextMemo, FileExt);
}

void TMDIChild::UmlautezuHTML1Click()
{
    Conversions::umlautsToEntities(TextMemo);
}

void TMDIChild::HTMLzuUmlauten1Click()
{
    Conversions::entitiesToUmlauts(TextMemo);
}

void TMDIChild::AutoUmlaute1Click()
{
    // The checkable item has flipped its mark already; the panel follows it.
    FormShowN();
}

void TMDIChild::WeitereSonderzeichen1Click()
{
    if (m_host)
        m_host->showSpecialCharacters();
}

void TMDIChild::S1()
{
    Insert(TFSonderZeichen::PendingEntity);
}

void TMDIChild::Rckgngig2Click()
{
    TextMemo->undoLast();
}

void TMDIChild::Cut1Click()
{
    TextMemo->cutSelection();
}

void TMDIChild::Copy1Click()
{
    TextMemo->copySelection();
}

void TMDIChild::Paste1Click()
{
    TextMemo->pasteClipboard();
}

void TMDIChild::Delete1Click()
{
    TextMemo->deleteSelection();
}

void TMDIChild::SelectAll1Click()
{
    TextMemo->selectAllText();
}

void TMDIChild::Edit1Click()
{
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    const bool canPaste = clip && clip->hasText();
    const bool selected = TextMemo->selLength() > 0;
    const bool canUndo = TextMemo->canUndo();
    auto set = [this](std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names)
            if (QAction* a = twin(name))
                a->setEnabled(enabled);
    };
    set({"Paste1", "Einfgen1"}, canPaste);
    set({"Cut1", "Copy1", "Delete1", "Ausschneiden1", "Kopieren1", "Lschen1"}, selected);
    set({"Rckgngig2", "Rckgngig1"}, canUndo);
}

void TMDIChild::runTimerWrite(void (TMDIChild::*write)())
{
    if (m_timerReportOpen || FileName == Untitled)
        return;
    try {
        (this->*write)();
    } catch (const UserError& error) {
        m_timerReportOpen = true;
        reportError(this, error.text());
        m_timerReportOpen = false;
    }
}

void TMDIChild::writeBackup()
{
    const ShellState* state = m_host ? &m_host->shellState() : nullptr;
    const QString ext = state ? state->backupExt : QStringLiteral(".bak");
    const QString dir = state ? state->backupDir : userDataDirectory();
    if (!QDir().mkpath(dir))
        throw UserError(cannotCreateText(backupPath(FileName, ext, dir)));
    QTextDocument* doc = TextMemo->document();
    TextFileFormat format = m_format;
    const QByteArray bytes = TextMemo->isPlainTextMode()
                                 ? encodeTextFile(rawDocumentText(TextMemo), &format)
                                 : writeRtf(doc);
    writeFileAtomically(backupPath(FileName, ext, dir), bytes);
}

void TMDIChild::writeAutoSave()
{
    writeDocument(FileName);
    TextMemo->setModified(false);
}

void TMDIChild::Timer1Timer()
{
    runTimerWrite(&TMDIChild::writeBackup);
}

void TMDIChild::Timer2Timer()
{
    runTimerWrite(&TMDIChild::writeAutoSave);
}

void TMDIChild::dropListEntry(const QString& entry)
{
    const QString selected = TextMemo->selText();
    if (entry.contains(QLatin1Char('|'))) {
        const QString head = entry.left(255);
        const QString open = head.left(head.indexOf(QLatin1Char('|')));
        const QString close = head.mid(head.lastIndexOf(QLatin1Char('|')) + 1);
        TextMemo->replaceSelection(open + selected + close);
    } else {
        TextMemo->replaceSelection(entry);
    }
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != TextMemo->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (qobject_cast<QAbstractItemView*>(drag->source())) {
            drag->acceptProposedAction();
            return true;
        }
        // Text moved inside the document stays with the control; anything else is refused
        // here so that dropped files reach the frame.
        if (drag->source() != TextMemo) {
            drag->ignore();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        auto* list = qobject_cast<QAbstractItemView*>(drop->source());
        if (!list)
            return drop->source() != TextMemo;
        const QModelIndex current = list->currentIndex();
        if (current.isValid())
            dropListEntry(current.data(Qt::DisplayRole).toString());
        drop->acceptProposedAction();
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}
