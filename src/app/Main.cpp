// TMainForm: the frame window with its menu bar, ten toolbars, status bar and document windows.
#include "app/Main.h"

#include "app/FindInFilesDialog.h"
#include "app/FindInFilesJob.h"
#include "app/FrameTables.h"
#include "app/InstallSeeds.h"
#include "app/Session.h"
#include "app/Tips.h"
#include "core/SettingsStore.h"
#include "editor/DocumentMenus.h"
#include "editor/DocumentWindow.h"
#include "editor/FileDrop.h"
#include "editor/TextControl.h"
#include "platform/ErrorReport.h"
#include "platform/Paths.h"
#include "platform/UserError.h"
#include "widgets/GlyphIcon.h"
#include "widgets/HintStatusBar.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

TMainForm::TMainForm(const StartOptions& options, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(AppInfo::FrameCaption);
    resize(800, 600);
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::subWindowActivated);

    buildStatusBar();
    buildMenuBar();
    buildToolBars();
    buildPageCheckDock();
    FormCreate(options);
}

TMainForm::~TMainForm()
{
    // The area outlives this part of the frame while it goes; no activation may reach it then.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    // A search still running ends here, before the frame's members go, and reports nothing.
    if (m_findJob) {
        disconnect(m_findJob, nullptr, this, nullptr);
        m_findJob->stop();
        m_findJob->wait();
    }
}

void TMainForm::buildStatusBar()
{
    HintStatusBar1 = new THintStatusBar(this);
    HintStatusBar1->setObjectName(QStringLiteral("HintStatusBar1"));
    const Qt::Alignment centred = Qt::AlignCenter;
    HintStatusBar1->addPanel(
        {"HintStatusPanel1", 40, QStringLiteral("AUML"),
         QStringLiteral("Hier wird angezeigt, ob die Automatisch Umlautfunktion aktiviert ist"),
         Qt::AlignLeft | Qt::AlignVCenter, Qt::blue, true});
    HintStatusBar1->addPanel({"HintStatusPanel2", 70, QString(),
                              QStringLiteral("Hier wird die aktuelle Zeile und Spalte, in der "
                                             "sich der Cursor befindet angezeigt."),
                              centred});
    HintStatusBar1->addPanel({"HintStatusPanel4", 60, QString(),
                              QStringLiteral("Hier wird angezeigt ob der Text geändert wurde"),
                              centred, Qt::red, true});
    HintStatusBar1->addPanel({"HintStatusPanel5", 40, QString(),
                              QStringLiteral("Hier wird Angezeigt ob der Einfügen oder "
                                             "Überschreibmodus aktiviert ist."),
                              centred, Qt::red});
    HintStatusBar1->addPanel({"HintStatusPanel3", 400,
                              QStringLiteral("Drücken Sie F1 um die Hilfe aufzurufen"),
                              QStringLiteral("Hier werden die Hints angezeigt")});
    // Narrow windows may squeeze it: it must not widen the frame's minimum.
    HintStatusBar1->addPanel({"HintStatusPanel8", 1, QString(),
                              QStringLiteral("Kodierung und Zeilenende des Dokuments; ein Klick "
                                             "bietet die anderen an"),
                              centred});
    HintStatusBar1->addPanel({"HintStatusPanel7", 15, QString(), QString(),
                              Qt::AlignLeft | Qt::AlignVCenter, QColor(), false, false});
    setStatusBar(HintStatusBar1);
    HintStatusBar1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(HintStatusBar1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenuLeiste->popup(HintStatusBar1->mapToGlobal(pos));
    });
}

void TMainForm::buildMenuBar()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const TopMenuSpec& spec : topMenuSpecs()) {
        auto* menu = new QMenu(QString::fromUtf8(spec.caption), this);
        menu->setObjectName(QString::fromLatin1(spec.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(spec.name));
        menu->setProperty("mergeGroup", spec.group);
        menu->setProperty("replacedByDocument", spec.replacedByDocument);
        m_topMenus.append(menu);
        if (!spec.rows.empty()) {
            QHash<QString, QAction*> items;
            buildMenu<TMainForm>(menu, spec.rows, this, items);
            registerFrameActions(items);
        }
    }
    // Without a document the frame shows mirrors of the document menus, their items disabled.
    for (const ChildMenu& spec : childMenus()) {
        for (QMenu* menu : std::as_const(m_topMenus)) {
            if (menu->property("mergeGroup").toInt() != spec.group ||
                !menu->property("replacedByDocument").toBool())
                continue;
            QHash<QString, QAction*> mirrored;
            buildMenu<TMDIChild>(menu, spec.rows, nullptr, mirrored);
            for (QAction* action : std::as_const(mirrored)) {
                action->setObjectName(QStringLiteral("Frame") + action->objectName());
                action->setEnabled(false);
                m_controls.insert(action->objectName(), action);
            }
        }
    }
    // The frame's own browser items work without a document.
    for (int browser : {1, 2}) {
        QAction* item = m_controls.take(QStringLiteral("FrameBrowser%1aufrufen").arg(browser));
        item->setObjectName(QStringLiteral("Browser%1aufrufen1").arg(browser));
        connect(item, &QAction::triggered, this,
                browser == 1 ? &TMainForm::Browser1Click : &TMainForm::Browser2Click);
        m_controls.insert(item->objectName(), item);
    }
    QAction* settings = m_controls.take(QStringLiteral("FrameEinstellungen"));
    settings->setObjectName(QStringLiteral("Einstellungen1"));
    settings->setEnabled(true);
    m_controls.insert(settings->objectName(), settings);
    connect(settings, &QAction::triggered, this, &TMainForm::Einstellungen1Click);
    // Without a document the palette item still opens a palette (it writes nowhere then); the
    // submenus on its way must open to reach it.
    QAction* palette = control(QStringLiteral("FrameWeitereSonderzeichen1"));
    palette->setEnabled(true);
    for (auto* menu = qobject_cast<QMenu*>(palette->parent()); menu && !m_topMenus.contains(menu);
         menu = qobject_cast<QMenu*>(menu->parent()))
        menu->menuAction()->setEnabled(true);
    connect(palette, &QAction::triggered, this, &TMainForm::SonderZeichenClick);
    // Searching the files of a folder needs no document either.
    QAction* findInFiles = m_controls.take(QStringLiteral("FrameInDateiensuchen1"));
    findInFiles->setObjectName(QStringLiteral("InDateiensuchen2"));
    findInFiles->setEnabled(true);
    m_controls.insert(findInFiles->objectName(), findInFiles);
    connect(findInFiles, &QAction::triggered, this, &TMainForm::InDateiensuchen1Click);
    buildListWindowControls();
    applyHint(m_topMenus.at(6)->menuAction(),
              QStringLiteral("Hier werden eingebundene Programme aufgerufen"));

    QMenu* windowMenu = m_topMenus.at(7);
    connect(windowMenu, &QMenu::aboutToShow, this, &TMainForm::fillWindowMenu);
    mergeMenus(nullptr);
}

void TMainForm::registerFrameActions(const QHash<QString, QAction*>& actions)
{
    for (QAction* action : actions) {
        m_controls.insert(action->objectName(), action);
        if (action->property("needsDocument").toBool())
            m_documentControls.append(action);
    }
}

void TMainForm::mergeMenus(TMDIChild* child)
{
    QHash<int, QMenu*> documentMenus;
    if (child)
        for (const auto& [group, menu] : child->mergedMenus())
            documentMenus.insert(group, menu);
    menuBar()->clear();
    for (QMenu* menu : std::as_const(m_topMenus)) {
        const int group = menu->property("mergeGroup").toInt();
        if (menu->property("replacedByDocument").toBool() && documentMenus.contains(group))
            menuBar()->addMenu(documentMenus.value(group));
        else
            menuBar()->addMenu(menu);
    }
}

void TMainForm::fillWindowMenu()
{
    QMenu* windowMenu = m_topMenus.at(7);
    for (QAction* action : std::as_const(m_windowListActions))
        delete action;
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    if (!windowMenu->isEmpty())
        m_windowListActions.append(windowMenu->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        QAction* action =
            windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == m_mdiArea->currentSubWindow());
        connect(action, &QAction::triggered, this,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
        m_windowListActions.append(action);
    }
}

void TMainForm::buildToolBars()
{
    for (const ToolBarSpec& spec : toolBarSpecs()) {
        auto* bar = new QToolBar(QString::fromUtf8(spec.caption), this);
        bar->setObjectName(QString::fromLatin1(spec.name));
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFloatable(true);
        bar->setMovable(true);
        bar->setIconSize(QSize(20, 20));
        m_toolBars.append(bar);
    }
    for (const ToolButtonSpec& spec : toolButtonSpecs()) {
        QAction* action = addToolButton(
            spec.toolBar, QString::fromLatin1(spec.name), QString::fromUtf8(spec.hint),
            themeOrGlyphIcon(QString::fromLatin1(spec.themeIcon), QString::fromUtf8(spec.glyph)),
            spec.needsDocument);
        const auto handler = spec.handler;
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
    buildDropDownMenus();
    buildForwardingControls();
    // Find next waits for the first search of the active document.
    control(QStringLiteral("SBtnGoto"))->setEnabled(false);

    PopupMenuLeiste = new QMenu(this);
    PopupMenuLeiste->setObjectName(QStringLiteral("PopupMenuLeiste"));
    const auto specs = toolBarSpecs();
    for (int index : switchMenuOrder()) {
        QAction* item = PopupMenuLeiste->addAction(QString::fromUtf8(specs[index].caption));
        item->setObjectName(QString::fromLatin1(specs[index].switchItem));
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::triggered, this, [this, index] { toggleToolBar(index); });
        m_controls.insert(item->objectName(), item);
    }
    qApp->installEventFilter(this);

    FileDrag1 = new TFileDrag(this);
    FileDrag1->setObjectName(QStringLiteral("FileDrag1"));
    FileDrag1->setEnableDrop(true);
    connect(FileDrag1, &TFileDrag::OnDrop, this, &TMainForm::FileDrag1Drop);
}

QAction* TMainForm::addToolButton(int toolBar, const QString& name, const QString& hint,
                                  const QIcon& icon, bool needsDocument)
{
    QToolBar* bar = m_toolBars.at(toolBar - 1);
    const QIcon themed = standardIcon(buttonThemeIcon(name));
    auto* action = new QAction(themed.isNull() ? icon : themed, QString(), this);
    action->setObjectName(name);
    applyHint(action, hint);
    action->setText(action->toolTip());
    bar->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
        button->setObjectName(name);
        // A glyph too long for the square at the normal font size is shown as bold text of
        // that size on a wider button instead of in smaller letters.
        if (!glyphFitsSquare(action->icon(), bar->iconSize().height())) {
            action->setIconText(glyphOf(action->icon()));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            QFont font = button->font();
            font.setBold(true);
            button->setFont(font);
        }
    }
    m_controls.insert(name, action);
    if (needsDocument) {
        action->setEnabled(false);
        m_documentControls.append(action);
    }
    return action;
}

QMenu* TMainForm::createPopupMenu()
{
    // The main window deletes the menu it asks for: hand it a fresh one with the switch items.
    auto* menu = new QMenu(this);
    menu->addActions(PopupMenuLeiste->actions());
    return menu;
}

void TMainForm::toggleToolBar(int index)
{
    QAction* item = control(QString::fromLatin1(toolBarSpecs()[index].switchItem));
    const bool visible = item->isChecked();
    m_toolBars.at(index)->setVisible(visible);
    m_state.toolBarVisible[index] = visible;
}

QToolBar* TMainForm::toolBar(int number) const
{
    return number >= 1 && number <= m_toolBars.size() ? m_toolBars.at(number - 1) : nullptr;
}

void TMainForm::FormCreate(const StartOptions& options)
{
    for (const char* name : {"WindowCascadeItem", "WindowTileItem", "WindowArrangeItem",
                             "SBtnWCascade", "SBtnWTile", "SBtnWSymbole"})
        if (QAction* action = control(QString::fromLatin1(name)))
            m_windowModeControls.insert(action);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TMainForm::onIdle);
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto readClipboard = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        m_clipboardHasText = data && data->hasText();
    };
    connect(clipboard, &QClipboard::dataChanged, this, readClipboard);
    readClipboard();

    m_state.helpFile =
        QDir::toNativeSeparators(programDirectory() + QStringLiteral("/tessaline.HLP"));
    m_state.urlListMayOpen = true;
    m_state.plugInMayOpen = true;
    try {
        SettingsStore store;
        if (options.seedStore)
            seedMissingValues(store);
        m_state.pendingFile = options.commandLineFile;
        try {
            showTips(this, 1, 22, store, 600, true);
        } catch (const SettingsError& error) {
            // A switch that cannot be stored must not stop the frame from being built.
            reportError(this, QString::fromStdString(error.what()));
        }
        m_state.listGeneratorLines.clear();
        m_state.tableGeneratorLines.clear();
        buildToolsMenu(store);
        m_state.readRecentFiles(store);
        buildRecentFileEntries();
        m_state.readEditorOptions(store);
        m_state.readBrowsers(store);
        for (int browser : {1, 2})
            if (QAction* button = control(QStringLiteral("SBtnBrowser%1").arg(browser));
                button && (browser == 1 ? m_state.browser1Selected : m_state.browser2Selected))
                applyHint(button, browserButtonHint(browser));
        m_state.readWindowBounds(store);
        applyWindowBounds();
        const bool firstStart = store.readBoolOption(QStringLiteral("Optionen"),
                                                     QStringLiteral("FirstStart"), true, false);
        m_state.readDirectories(store);
        if (firstStart && options.seedStore)
            seedSampleFiles(this, m_state.urlListDir, m_state.plugInDir);
        m_state.readUserData(store);
        m_state.readHints(store);
        m_sessionPending = options.commandLineFile.isEmpty() && Session::restoreWanted(store);
        if (store.readBoolOption(QStringLiteral("Optionen"), QStringLiteral("Reiter"), false,
                                 false)) {
            control(QStringLiteral("Reiter1"))->setChecked(true);
            applyTabMode(true);
        }
    } catch (const SettingsError& error) {
        reportError(this, QString::fromStdString(error.what()));
    }

    QList<ToolBarEntry> entries;
    const auto specs = toolBarSpecs();
    for (int i = 0; i < m_toolBars.size(); ++i)
        entries.append({m_toolBars.at(i), specs[i].designed});
    {
        SettingsStore toolbarStore(SettingsStore::Key::Toolbars);
        placeToolBars(this, entries, toolbarStore);
        m_state.readToolBarVisibility(toolbarStore);
    }
    placePageCheckDock();
    for (int i = 0; i < m_toolBars.size(); ++i) {
        m_toolBars.at(i)->setVisible(m_state.toolBarVisible[i]);
        control(QString::fromLatin1(specs[i].switchItem))->setChecked(m_state.toolBarVisible[i]);
    }
}

namespace
{

// The screens' work areas, the primary one first.
QList<QRect> availableAreas()
{
    QList<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

void TMainForm::applyWindowBounds()
{
    const FramePlacement placement =
        m_state.framePlacement(size(), minimumSizeHint(), availableAreas());
    if (placement.placed)
        setGeometry(placement.bounds);
    else
        resize(placement.bounds.size());
    if (m_state.windowState == QLatin1String("Maximized"))
        setWindowState(Qt::WindowMaximized);
    else if (m_state.windowState == QLatin1String("Minimized"))
        setWindowState(Qt::WindowMinimized);
    else if (m_state.windowState == QLatin1String("Normal"))
        setWindowState(Qt::WindowNoState);
}

void TMainForm::FormActivate()
{
    HintStatusBar1->setHintsEnabled(m_state.hintsOn);
    openPendingFile();
}

void TMainForm::openPendingFile()
{
    if (std::exchange(m_sessionPending, false))
        restoreSession();
    if (m_state.pendingFile.isEmpty())
        return;
    const QString file = m_state.pendingFile;
    m_state.pendingFile.clear();
    openDocument(file);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // A window manager that keeps a new window from the focus never activates the frame: the
    // file from the command line opens once the frame is on screen all the same.
    QTimer::singleShot(0, this, &TMainForm::openPendingFile);
    // Only now does the platform know the decorations; they must fit on the screen too.
    if (windowState() != Qt::WindowNoState || !windowHandle())
        return;
    const QRect bounds = geometry();
    const QRect fitted = fitFrameOnScreen(bounds.x(), bounds.y(), bounds.size(), minimumSizeHint(),
                                          windowHandle()->frameMargins(), availableAreas());
    if (!testAttribute(Qt::WA_Moved))
        resize(fitted.size()); // the platform keeps choosing the place
    else if (fitted != bounds)
        setGeometry(fitted);
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool TMainForm::event(QEvent* event)
{
    // The hint hook: the long part of the hint under the mouse goes into the hint panel.
    if (event->type() == QEvent::StatusTip) {
        HintStatusBar1->setPanelText(QStringLiteral("HintStatusPanel3"),
                                     static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // Escape closes a menu of the menu bar but leaves the bar holding the keyboard without
    // showing it, so typed text would vanish; once no menu is open, the document has the keys.
    if (event->type() == QEvent::Hide) {
        if (auto* menu = qobject_cast<QMenu*>(watched);
            menu && menuBar()->actions().contains(menu->menuAction()))
            QTimer::singleShot(0, this, [this] {
                if (!menuBar()->hasFocus() || QApplication::activePopupWidget())
                    return;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(menuBar(), &escape);
            });
    }
    // With hints off, the toolbars and the status bar show no tooltips.
    if (event->type() == QEvent::ToolTip && !m_state.hintsOn && watched->isWidgetType()) {
        for (auto* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
            if (w == HintStatusBar1 || m_toolBars.contains(qobject_cast<QToolBar*>(w)))
                return true;
            if (w == this)
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

TMDIChild* TMainForm::activeChild() const
{
    QMdiSubWindow* window = m_mdiArea->currentSubWindow();
    return window ? qobject_cast<TMDIChild*>(window->widget()) : nullptr;
}

QList<TMDIChild*> TMainForm::children() const
{
    QList<TMDIChild*> result;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<TMDIChild*>(window->widget()))
            result.append(child);
    return result;
}

int TMainForm::documentCount() const
{
    return m_mdiArea->subWindowList().size();
}

TMDIChild* TMainForm::createChild()
{
    auto* child = new TMDIChild(this);
    connectPageCheck(child);
    QMdiSubWindow* window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The window menu of a document window must not take Ctrl+F4 and friends from the frame's
    // own items, or neither would run.
    for (QAction* action : window->systemMenu()->actions())
        action->setShortcuts({});
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    child->TextMemo->setFocus();
    return child;
}

TMDIChild* TMainForm::openDocument(const QString& path)
{
    TMDIChild* child = createChild();
    try {
        child->LoadFile(path);
    } catch (const UserError& error) {
        child->closeWithoutQuery();
        reportError(this, error.text());
        return nullptr;
    }
    return child;
}

void TMainForm::subWindowActivated(QMdiSubWindow* window)
{
    if (m_closing)
        return;
    TMDIChild* child = window ? qobject_cast<TMDIChild*>(window->widget()) : nullptr;
    if (!child && m_mdiArea->currentSubWindow())
        return; // the frame lost the focus; the current document stays merged
    mergeMenus(child);
    showPageCheckOf(child);
    if (child)
        child->FormActivate();
}

void TMainForm::toActiveChild(void (TMDIChild::*handler)())
{
    if (TMDIChild* child = activeChild())
        (child->*handler)();
}

void TMainForm::setFindNextEnabled(bool enabled)
{
    if (QAction* button = control(QStringLiteral("SBtnGoto")))
        button->setEnabled(enabled);
}

QString TMainForm::browserButtonHint(int browser) const
{
    return browserCaption(browser == 1 ? m_state.browser1Path : m_state.browser2Path);
}

QList<QKeySequence> TMainForm::frameCommandKeys() const
{
    QList<QKeySequence> keys;
    for (const QAction* action : m_controls)
        keys += action->shortcuts();
    return keys;
}

void TMainForm::onIdle()
{
    QWidget* focus = QApplication::focusWidget();
    bool editFocus = false, selected = false, canUndo = false, canRedo = false;
    if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit())
        focus = combo->lineEdit();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        editFocus = true;
        selected = plain->textCursor().hasSelection();
        canUndo = plain->document()->isUndoAvailable();
        canRedo = plain->document()->isRedoAvailable();
    } else if (auto* rich = qobject_cast<QTextEdit*>(focus)) {
        editFocus = true;
        selected = rich->textCursor().hasSelection();
        canUndo = rich->document()->isUndoAvailable();
        canRedo = rich->document()->isRedoAvailable();
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        editFocus = true;
        selected = line->hasSelectedText();
        canUndo = line->isUndoAvailable();
        canRedo = line->isRedoAvailable();
    }
    auto set = [this](const char* name, bool enabled) {
        if (QAction* a = control(QString::fromLatin1(name)); a && a->isEnabled() != enabled)
            a->setEnabled(enabled);
    };
    set("SBtnCut", editFocus && selected);
    set("SBtnCopy", editFocus && selected);
    set("SBtnPaste", editFocus && m_clipboardHasText);
    set("SBtnUndo", editFocus && canUndo);
    set("SBtnRedo", editFocus && canRedo);
    if (TMDIChild* child = activeChild())
        child->Modifiziert();
    if (tabbedDocuments())
        refreshTabs();
    UpdateMenuItems();
}

void TMainForm::UpdateMenuItems()
{
    const bool hasDocument = documentCount() > 0;
    const bool tabs = tabbedDocuments();
    for (QAction* action : std::as_const(m_documentControls)) {
        const bool enabled = hasDocument && !(tabs && m_windowModeControls.contains(action));
        if (action->isEnabled() != enabled)
            action->setEnabled(enabled);
    }
    const bool browsers[] = {m_state.browser1Selected, m_state.browser2Selected};
    for (int i = 0; i < 2; ++i) {
        for (const QString& name : {QStringLiteral("SBtnBrowser%1").arg(i + 1),
                                    QStringLiteral("Browser%1aufrufen1").arg(i + 1)}) {
            QAction* action = control(name);
            if (action->isEnabled() != browsers[i])
                action->setEnabled(browsers[i]);
        }
    }
    for (const auto& [name, mayOpen] :
         {std::pair{QStringLiteral("SBtnURL"), m_state.urlListMayOpen},
          std::pair{QStringLiteral("URLManager2"), m_state.urlListMayOpen},
          std::pair{QStringLiteral("tagszeigen1"), m_state.plugInMayOpen}})
        if (QAction* action = control(name); action && action->isEnabled() != mayOpen)
            action->setEnabled(mayOpen);
    if (TMDIChild* child = activeChild()) {
        child->FormShowN();
    } else if (!hasDocument) {
        HintStatusBar1->setPanelText(QStringLiteral("HintStatusPanel4"), QString());
        HintStatusBar1->setPanelText(QStringLiteral("HintStatusPanel2"), QString());
        HintStatusBar1->setPanelText(QStringLiteral("HintStatusPanel8"), QString());
    }
}

void TMainForm::SBtnUndoClick()
{
    toActiveChild(&TMDIChild::Rckgngig2Click);
}

void TMainForm::SBtnCutClick()
{
    toActiveChild(&TMDIChild::Cut1Click);
}

void TMainForm::SBtnCopyClick()
{
    toActiveChild(&TMDIChild::Copy1Click);
}

void TMainForm::SBtnPasteClick()
{
    toActiveChild(&TMDIChild::Paste1Click);
}

void TMainForm::SBtnSelectAllClick()
{
    toActiveChild(&TMDIChild::SelectAll1Click);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    for (TMDIChild* child : children()) {
        if (!child->FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    if (m_findJob) {
        m_findJob->stop();
        m_findJob->wait();
    }
    try {
        FormClose();
    } catch (const SettingsError& error) {
        reportError(this, QString::fromStdString(error.what()));
    }
    m_closing = true;
    for (TMDIChild* child : children())
        child->closeWithoutQuery();
    event->accept();
}

void TMainForm::FormClose()
{
    {
        SettingsStore toolbarStore(SettingsStore::Key::Toolbars);
        m_state.writeToolBarVisibility(toolbarStore);
        storeToolBarPlaces(this, m_toolBars, toolbarStore);
    }
    storePageCheckDock();
    storeDockPlace();
    storeSession();
    SettingsStore store;
    const QRect bounds = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
                             ? normalGeometry()
                             : geometry();
    const QString m = QStringLiteral("MainForm");
    store.writeInteger(m, QStringLiteral("Left"), bounds.x());
    store.writeInteger(m, QStringLiteral("Top"), bounds.y());
    store.writeInteger(m, QStringLiteral("Width"), bounds.width());
    store.writeInteger(m, QStringLiteral("Height"), bounds.height());
    const QString state = (windowState() & Qt::WindowMinimized)   ? QStringLiteral("Minimized")
                          : (windowState() & Qt::WindowMaximized) ? QStringLiteral("Maximized")
                                                                  : QStringLiteral("Normal");
    store.writeString(m, QStringLiteral("WindowState"), state);
    m_state.writeShutdownOptions(store);
    store.sync();
}
