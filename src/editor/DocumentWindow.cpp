// TMDIChild: the document window with its text control, menus, timers and file handling.
#include "editor/DocumentWindow.h"

#include "core/ColorText.h"
#include "core/ShellState.h"
#include "editor/CharsetGuard.h"
#include "editor/Conversions.h"
#include "editor/DiskWatch.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentFileFilters.h"
#include "editor/DocumentHost.h"
#include "editor/DocumentMenus.h"
#include "editor/DocumentPrefetch.h"
#include "editor/EncodingChoice.h"
#include "editor/EntityKeyFilter.h"
#include "editor/FileDialogs.h"
#include "editor/FileDrop.h"
#include "editor/FindReplace.h"
#include "editor/GoToLine.h"
#include "editor/PageCheckDocument.h"
#include "editor/Rtf.h"
#include "editor/Ruler.h"
#include "editor/SimpleCommands.h"
#include "editor/SpecialCharacterPalette.h"
#include "editor/SpellChecker.h"
#include "editor/SpellDictionary.h"
#include "editor/TextControl.h"
#include "editor/ViewSwitches.h"
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
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

const QString TMDIChild::Untitled = QStringLiteral("Dokument");
const char* const TMDIChild::EncodingPanel = "HintStatusPanel8";

namespace
{

// The lines of the document as its file holds them, each with its own line end (none listed: the
// main one).
QString fileLines(const TExtRich* memo, bool unifyLineEnds, LineBreaks* lineEnds)
{
    const QString text = memo->fileText(lineEnds);
    if (unifyLineEnds)
        lineEnds->clear();
    return text;
}

// The document as its file holds it, every line with its own line end, or with the main one.
QByteArray encodedText(const TExtRich* memo, TextFileFormat* format, bool unifyLineEnds)
{
    LineBreaks lineEnds;
    const QString text = fileLines(memo, unifyLineEnds, &lineEnds);
    return encodeTextFile(text, lineEnds, format);
}

// The charset guard sees the text as it will be written.
bool charsetConfirmed(QWidget* parent, const TExtRich* memo, bool unifyLineEnds,
                      TextFileFormat* format)
{
    LineBreaks lineEnds;
    const QString text = fileLines(memo, unifyLineEnds, &lineEnds);
    return CharsetGuard::confirm(parent, text, lineEnds, format);
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

// Forgets the undo history. Switching undo off and on again also makes the text as it stands
// the unmodified one, so undoing a later edit cannot mark it modified (clearing the stacks alone
// leaves the document's idea of its unmodified state behind).
void forgetUndo(TExtRich* memo)
{
    memo->document()->setUndoRedoEnabled(false);
    memo->document()->setUndoRedoEnabled(true);
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
    // Line numbers move the text to the right; the ruler moves with it.
    auto* rulerRow = new QHBoxLayout;
    rulerRow->setContentsMargins(0, 0, 0, 0);
    rulerRow->setSpacing(0);
    m_rulerIndent = new QWidget(this);
    m_rulerIndent->setFixedWidth(0);
    rulerRow->addWidget(m_rulerIndent);
    rulerRow->addWidget(Ruler);
    layout->addLayout(rulerRow);
    layout->addWidget(TextMemo);
    connect(TextMemo, &TExtRich::textLeftChanged, this, [this](int left) {
        m_rulerIndent->setFixedWidth(std::max(0, left - TExtRich::Gutter));
    });
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
        m_spelling->prepareMenu(m_memoPopUp, pos);
        m_memoPopUp->popup(TextMemo->viewport()->mapToGlobal(pos));
    });
    TextMemo->viewport()->installEventFilter(this);

    buildMenus();
    TextMemo->setEditRect();
    // Setting up the control's margins counts as an edit of the document: a new document has
    // nothing to undo.
    forgetUndo(TextMemo);

    m_disk = new DiskWatch(this);
    connect(m_disk, &DiskWatch::touched, this, [this] {
        // While the user works elsewhere, the next activation asks.
        if (isActiveDocument() && window()->isActiveWindow() && !QApplication::activeModalWidget())
            checkDisk();
    });

    EntityKeyFilter::attach(TextMemo, [this] { return twin("AutoUmlaute1")->isChecked(); });
    m_spelling = new SpellChecker(TextMemo);
    m_spelling->setEntityWriting([this] { return twin("AutoUmlaute1")->isChecked(); });

    applyViewSwitches();
    connect(&ViewSwitches::instance(), &ViewSwitches::changed, this, &TMDIChild::applyViewSwitches);
    m_pageCheck = new PageChecker(
        TextMemo, [this] { return FileName == Untitled ? QString() : FileName; },
        [this] { return m_format.encoding; }, this);
    const auto applyPageCheckSwitch = [this] {
        const bool on = PageCheckSwitch::whileTyping();
        m_pageCheck->setWhileTyping(on);
        twin("SeitebeimTippenprfen1")->setChecked(on);
    };
    applyPageCheckSwitch();
    connect(&PageCheckSwitch::instance(), &PageCheckSwitch::changed, this, applyPageCheckSwitch);
    if (THintStatusBar* bar = m_host ? m_host->hintStatusBar() : nullptr) {
        connect(bar, &THintStatusBar::panelClicked, this,
                [this](const QString& name, const QPoint& pos) {
                    if (name == QLatin1String(EncodingPanel) && isActiveDocument())
                        showEncodingMenu(pos);
                });
    }

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
        for (const char* name :
             {"Rckgngig2", "Wiederherstellen1", "Cut1", "Copy1", "Paste1", "Delete1", "Rckgngig1",
              "Wiederherstellen2", "Ausschneiden1", "Kopieren1", "Einfgen1", "Lschen1"})
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
    forgetUndo(TextMemo);
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
    std::optional<PrefetchedDocument> prefetched = DocumentPrefetch::take(path);
    FileStamp stamp;
    const QByteArray bytes = prefetched ? prefetched->bytes : readDocumentFile(path, &stamp);
    if (prefetched)
        stamp = prefetched->stamp;
    if (TextMemo->isPlainTextMode()) {
        const DecodedText decoded = prefetched && prefetched->decoded
                                        ? std::move(*prefetched->decoded)
                                        : decodeTextFile(bytes);
        m_format = decoded.format;
        m_unifyLineEnds = false;
        TextMemo->loadText(decoded.text, decoded.lineEnds, decoded.format.lineBreak);
    } else {
        readRtf(bytes, TextMemo->document());
    }
    TextMemo->setSelStart(0);
    TextMemo->setModified(false);
    m_disk->remember(path, stamp);
    rememberUsedFolder(path);
    if (isActiveDocument())
        showEncoding();
}

void TMDIChild::FormActivate()
{
    showEncoding();
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
    // After the activation has settled, so the question never interrupts the window switch.
    QTimer::singleShot(0, this, [this] {
        if (isActiveDocument() && !QApplication::activeModalWidget())
            checkDisk();
    });
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
        bytes = encodedText(TextMemo, &m_format, m_unifyLineEnds);
    else
        bytes = writeRtf(TextMemo->document());
    FileStamp stamp;
    writeFileAtomically(path, bytes, &stamp);
    m_disk->remember(path, stamp);
    // Characters Windows-1252 lacks have made it write UTF-8.
    if (isActiveDocument())
        showEncoding();
}

bool TMDIChild::save()
{
    if (FileName == Untitled)
        return saveAs();
    if (!mayOverwrite())
        return false;
    if (TextMemo->isPlainTextMode() &&
        !charsetConfirmed(this, TextMemo, m_unifyLineEnds, &m_format))
        return false;
    writeDocument(FileName);
    TextMemo->setModified(false);
    return true;
}

bool TMDIChild::saveAs()
{
    QFileDialog* dialog = saveFileDialog();
    const bool untitled = FileName == Untitled;
    dialog->setDirectory(dialogStartFolder(untitled ? QString() : FileName));
    dialog->selectFile(fileNamePart(FileName));
    if (runFileDialog(dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
    if (TextMemo->isPlainTextMode() &&
        !charsetConfirmed(this, TextMemo, m_unifyLineEnds, &m_format))
        return false;
    FileName = path;
    TextMemo->setStatusTip(path);
    setWindowTitle(fileNamePart(path));
    if (m_host)
        m_host->documentSavedAs(path);
    // The dialog has asked about replacing an existing file already.
    writeDocument(FileName);
    TextMemo->setModified(false);
    rememberUsedFolder(path);
    return true;
}

bool TMDIChild::isActiveDocument() const
{
    const auto* window = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return window && window->mdiArea() && window->mdiArea()->currentSubWindow() == window;
}

bool TMDIChild::mayOverwrite()
{
    // A deleted file has nothing left to lose; saving brings it back.
    if (m_disk->change() != DiskWatch::Change::Changed)
        return true;
    return QMessageBox::question(
               this, QStringLiteral("Hinweis"),
               QStringLiteral("Die Datei %1 wurde seit dem Laden oder letzten Speichern von einem "
                              "anderen Programm geändert.\nTrotzdem überschreiben? Die Änderungen "
                              "des anderen Programms gehen dann verloren.")
                   .arg(FileName),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void TMDIChild::checkDisk()
{
    if (m_checkingDisk || FileName == Untitled)
        return;
    const DiskWatch::Change change = m_disk->newChange();
    if (change == DiskWatch::Change::None)
        return;
    m_checkingDisk = true;
    if (change == DiskWatch::Change::Deleted) {
        // The text is all that is left of the file: closing must offer to save it.
        TextMemo->setModified(true);
        QMessageBox::information(
            this, QStringLiteral("Hinweis"),
            QStringLiteral("Die Datei %1 wurde von einem anderen Programm gelöscht oder "
                           "umbenannt.\nDas Dokument bleibt geöffnet und gilt als geändert; "
                           "speichern Sie es, um die Datei wiederherzustellen.")
                .arg(FileName));
    } else {
        const bool modified = TextMemo->isModified();
        const QString question =
            modified ? QStringLiteral("Die Datei %1 wurde von einem anderen Programm geändert.\n"
                                      "Neu laden und die Änderungen in diesem Fenster verwerfen?")
                     : QStringLiteral("Die Datei %1 wurde von einem anderen Programm geändert.\n"
                                      "Neu laden?");
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Hinweis"), question.arg(FileName),
            QMessageBox::Yes | QMessageBox::No, modified ? QMessageBox::No : QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            reloadFromDisk();
        else
            TextMemo->setModified(true); // the text differs from its file now
    }
    m_checkingDisk = false;
}

void TMDIChild::reloadFromDisk()
{
    const int caret = TextMemo->selStart();
    try {
        LoadFile(FileName);
    } catch (const UserError& error) {
        // The text stays as it was; it no longer matches its file.
        TextMemo->setModified(true);
        reportError(this, error.text());
        return;
    }
    TextMemo->setSelStart(std::min(caret, TextMemo->textLength()));
    TextMemo->ensureCursorVisible();
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

void TMDIChild::applyViewSwitches()
{
    const bool colours = ViewSwitches::syntaxColours();
    const bool numbers = ViewSwitches::lineNumbers();
    TextMemo->setSyntaxColours(colours);
    TextMemo->setLineNumbersShown(numbers);
    twin("FarbigeTags1")->setChecked(colours);
    twin("Zeilennummern1")->setChecked(numbers);
    const bool spelling = ViewSwitches::spelling() && SpellDictionary::instance().isAvailable();
    m_spelling->setEnabled(spelling);
    twin("Rechtschreibungprfen1")->setChecked(spelling);
}

void TMDIChild::FarbigeTags1Click()
{
    // The item has flipped its mark already.
    ViewSwitches::instance().setSyntaxColours(twin("FarbigeTags1")->isChecked());
}

void TMDIChild::Zeilennummern1Click()
{
    ViewSwitches::instance().setLineNumbers(twin("Zeilennummern1")->isChecked());
}

namespace
{

// Without a dictionary the spelling commands say so and change nothing.
bool dictionaryInstalled(QWidget* parent)
{
    if (SpellDictionary::instance().isAvailable())
        return true;
    QMessageBox::information(parent, QStringLiteral("Hinweis"),
                             QStringLiteral("Für die Rechtschreibprüfung ist kein Wörterbuch "
                                            "installiert.\nDas deutsche Wörterbuch bringt das "
                                            "Paket hunspell-de-de."));
    return false;
}

} // namespace

void TMDIChild::Rechtschreibungprfen1Click()
{
    // The item has flipped its mark already.
    QAction* item = twin("Rechtschreibungprfen1");
    if (!dictionaryInstalled(this)) {
        item->setChecked(false);
        return;
    }
    ViewSwitches::instance().setSpelling(item->isChecked());
}

void TMDIChild::NchsterFehler1Click()
{
    if (!dictionaryInstalled(this))
        return;
    if (!m_spelling->isEnabled()) {
        QMessageBox::information(this, QStringLiteral("Hinweis"),
                                 QStringLiteral("Die Rechtschreibprüfung ist ausgeschaltet "
                                                "(\"Rechtschreibung prüfen\" im Menü Optionen)."));
        return;
    }
    if (!m_spelling->selectNextError())
        QMessageBox::information(this, QStringLiteral("Hinweis"),
                                 QStringLiteral("Der Text enthält keine unbekannten Wörter."));
}

void TMDIChild::GehezuZeile1Click()
{
    GoToLine::ask(TextMemo, this);
}

void TMDIChild::Seiteprfen1Click()
{
    m_pageCheck->checkNow();
}

void TMDIChild::SeitebeimTippenprfen1Click()
{
    PageCheckSwitch::instance().setWhileTyping(twin("SeitebeimTippenprfen1")->isChecked());
}

void TMDIChild::showEncoding()
{
    if (m_host && m_host->hintStatusBar())
        m_host->hintStatusBar()->setPanelText(
            QLatin1String(EncodingPanel),
            TextMemo->isPlainTextMode() ? EncodingChoice::panelText(m_format) : QString());
}

bool TMDIChild::setEncoding(TextFileFormat::Encoding encoding)
{
    if (encoding == m_format.encoding)
        return true;
    if (encoding == TextFileFormat::Encoding::Windows1252) {
        LineBreaks lineEnds;
        const QString text = TextMemo->fileText(&lineEnds);
        const qsizetype bad = EncodingChoice::firstUnencodable(text);
        if (bad >= 0) {
            QMessageBox::warning(this, QStringLiteral("Hinweis"),
                                 EncodingChoice::refusalText(text, bad));
            return false;
        }
    }
    m_format.encoding = encoding;
    TextMemo->setModified(true);
    showEncoding();
    return true;
}

void TMDIChild::setMainLineBreak(TextFileFormat::LineBreak lineBreak)
{
    if (lineBreak == m_format.lineBreak && m_unifyLineEnds)
        return;
    m_format.lineBreak = lineBreak;
    m_unifyLineEnds = true;
    TextMemo->setMainLineBreak(lineBreak);
    TextMemo->setModified(true);
    showEncoding();
}

void TMDIChild::showEncodingMenu(const QPoint& pos)
{
    if (!TextMemo->isPlainTextMode())
        return;
    QMenu* menu = EncodingChoice::buildMenu(m_format, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::triggered, this, [this](QAction* item) {
        const int choice = item->data().toInt();
        if (choice >= EncodingChoice::LineBreakData)
            setMainLineBreak(TextFileFormat::LineBreak(choice - EncodingChoice::LineBreakData));
        else
            setEncoding(TextFileFormat::Encoding(choice));
    });
    menu->popup(pos);
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

void TMDIChild::Wiederherstellen1Click()
{
    TextMemo->redo();
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
    set({"Wiederherstellen1", "Wiederherstellen2"}, TextMemo->document()->isRedoAvailable());
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
                                 ? encodedText(TextMemo, &format, m_unifyLineEnds)
                                 : writeRtf(doc);
    writeFileAtomically(backupPath(FileName, ext, dir), bytes);
}

void TMDIChild::writeAutoSave()
{
    // Only the user's changes are written, and never over a file another program has changed
    // or deleted since: the window asks about that on its next activation, not every period.
    if (!TextMemo->isModified() || m_disk->change() != DiskWatch::Change::None)
        return;
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
        const QString open = entry.left(entry.indexOf(QLatin1Char('|')));
        const QString close = entry.mid(entry.lastIndexOf(QLatin1Char('|')) + 1);
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
