// Walks every dialog and window the frame and a document open: one control per Alt letter, clean
// titles that fit, and windows that fit a small screen.
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace
{

// Commands that end the program or the document, print, or start other programs.
const QSet<QString> skippedCommands{"FileExitItem",     "AktuellesFensterschlieen1",
                                    "Close1",           "Drucken1",
                                    "DruckerSetup1",    "SBtnFPrint",
                                    "SBtnFPrintSetup",  "Print1",
                                    "Browser1aufrufen", "Browser2aufrufen",
                                    "SBtnBrowser1",     "SBtnBrowser2",
                                    "Browser11",        "Browser21",
                                    "ExitBtn"};
// Menus whose items start programs.
const QSet<QString> skippedMenus{"Tools1"};

// Buttons inside a window that open a window of their own (class name of the window, button).
const QList<std::pair<QString, QString>> subWindowButtons{{"TEinstellungen", "BitBtn4"},
                                                          {"TDBgrdImage", "BitBtnSichern"}};

// Two fields of one window that share a letter: Alt+letter moves between them (Qt's default).
// Each entry: the window's class, the letter.
const QSet<QString> allowedFieldClashes{
    "TDMarquee|s", // "&Schleifen:" and "&Schriftgröße"
};

const QSet<QString> dialogButtonCaptions{"OK", "Abbruch", "Abbrechen", "Hilfe", "Schließen"};

QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

// Who may share a letter with whom: fields with fields and buttons with buttons (Alt+letter then
// moves between them), when the window lists the pair as allowed; a button never with a field, a
// dialog button never with anything.
enum class Rank { Field, Button, DialogButton };

// A control carrying an Alt letter, with the tab pages it lives on.
struct Control {
    QString caption;
    QChar letter;
    Rank rank = Rank::Field;
    QList<std::pair<const QStackedWidget*, int>> pages;
};

// Whether control can be shown in window at all (only a page of a stack may be hidden), and the
// pages it is on.
bool placeOf(const QWidget* control, const QWidget* window,
             QList<std::pair<const QStackedWidget*, int>>& pages)
{
    for (const QWidget* w = control; w && w != window; w = w->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
        if (stack)
            pages.append({stack, stack->indexOf(const_cast<QWidget*>(w))});
        else if (w->isHidden())
            return false;
    }
    return true;
}

// Two controls can be seen together unless they sit on different pages of one stack.
bool together(const Control& a, const Control& b)
{
    for (const auto& [stack, index] : a.pages)
        for (const auto& [otherStack, otherIndex] : b.pages)
            if (stack == otherStack && index != otherIndex)
                return false;
    return true;
}

QList<Control> controlsOf(QWidget* window)
{
    QList<Control> controls;
    auto add = [&](const QWidget* widget, const QString& caption, Rank rank) {
        Control c{caption, mnemonicOf(caption), rank, {}};
        if (!c.letter.isNull() && placeOf(widget, window, c.pages))
            controls.append(c);
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label, label->text(), Rank::Field);
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        QString plain = button->text();
        plain.remove(QLatin1Char('&'));
        add(button, button->text(),
            !qobject_cast<const QPushButton*>(button) ? Rank::Field
            : dialogButtonCaptions.contains(plain)    ? Rank::DialogButton
                                                      : Rank::Button);
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        add(group, group->title(), Rank::Field);
    for (const QTabBar* tabs : window->findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs, tabs->tabText(i), Rank::Field);
    return controls;
}

bool isStandardDialog(const QWidget* w)
{
    return qobject_cast<const QMessageBox*>(w) || qobject_cast<const QFileDialog*>(w) ||
           qobject_cast<const QColorDialog*>(w) || qobject_cast<const QFontDialog*>(w) ||
           qobject_cast<const QPrintDialog*>(w) || qobject_cast<const QPageSetupDialog*>(w);
}

} // namespace

class TstEveryDialog : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowHasOneControlPerLetterAndFits();

private:
    void inspect(QWidget* window);
    void answer();
    void closeWindow(QWidget* window);
    void problem(const QWidget* window, const QString& text);
    bool otherWindowsOpen() const;
    void collect(QMenu* menu, QList<QAction*>& actions, QSet<QAction*>& seen);

    TestEnvironment m_env;
    TMainForm* m_frame = nullptr;
    QString m_command;
    QSet<const QWidget*> m_inspected;
    int m_windowCount = 0;
    QHash<const QWidget*, QStringList> m_pendingButtons;
    QSet<QString> m_seenTitles;
    QStringList m_problems;
    QStringList m_clashes; // field-field clashes that are allowed
};

void TstEveryDialog::problem(const QWidget* window, const QString& text)
{
    const QString line = QStringLiteral("%1 [%2]: %3")
                             .arg(window->windowTitle(),
                                  QString::fromLatin1(window->metaObject()->className()), text);
    if (!m_problems.contains(line))
        m_problems.append(line);
}

void TstEveryDialog::inspect(QWidget* window)
{
    m_seenTitles.insert(window->windowTitle() + QStringLiteral(" (") + m_command +
                        QLatin1Char(')'));
    const QString title = window->windowTitle();
    if (title.contains(QLatin1Char('&')))
        problem(window, QStringLiteral("title carries a mnemonic mark"));
    const int titleWidth = window->fontMetrics().horizontalAdvance(title) + 100;
    if (titleWidth > window->width())
        problem(window, QStringLiteral("title needs %1 px, window is %2 px wide")
                            .arg(titleWidth)
                            .arg(window->width()));
    if (window->width() > 780 || window->height() > 560)
        problem(window, QStringLiteral("window is %1x%2, more than 780x560")
                            .arg(window->width())
                            .arg(window->height()));

    const QList<Control> controls = controlsOf(window);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const Control& a = controls[i];
            const Control& b = controls[j];
            if (a.letter != b.letter || !together(a, b))
                continue;
            const QString pair =
                QStringLiteral("Alt+%1: \"%2\" and \"%3\"").arg(a.letter, a.caption, b.caption);
            if (a.rank == Rank::DialogButton || b.rank == Rank::DialogButton) {
                problem(window, QStringLiteral("dialog button shares ") + pair);
            } else if (a.rank != b.rank) {
                problem(window, QStringLiteral("button shares a field's ") + pair);
            } else if (allowedFieldClashes.contains(
                           QString::fromLatin1(window->metaObject()->className()) +
                           QLatin1Char('|') + a.letter)) {
                const QString note = title + QStringLiteral(": ") + pair;
                if (!m_clashes.contains(note))
                    m_clashes.append(note);
            } else {
                problem(window, QStringLiteral("fields share ") + pair +
                                    QStringLiteral(" (not listed as allowed)"));
            }
        }
    }
}

void TstEveryDialog::closeWindow(QWidget* window)
{
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        if (QAbstractButton* escape = box->escapeButton())
            escape->click();
        else if (QAbstractButton* no = box->button(QMessageBox::No))
            no->click();
        else
            box->done(QMessageBox::Cancel);
    } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
    } else {
        window->close();
    }
}

// Inspects each window once as it shows, opens its sub-windows, then closes it; the innermost
// modal window first.
void TstEveryDialog::answer()
{
    QList<QWidget*> windows;
    if (QWidget* modal = QApplication::activeModalWidget())
        windows.append(modal);
    else
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != m_frame && w->isVisible() && !qobject_cast<QMenu*>(w) &&
                w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                windows.append(w);
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        if (!m_inspected.contains(window)) {
            m_inspected.insert(window);
            ++m_windowCount;
            // The next dialog may be built at the same address.
            connect(window, &QObject::destroyed, this, [this, window] {
                m_inspected.remove(window);
                m_pendingButtons.remove(window);
            });
            if (!isStandardDialog(window))
                inspect(window);
            for (const auto& [className, button] : subWindowButtons)
                if (className == QLatin1String(window->metaObject()->className()))
                    m_pendingButtons[window].append(button);
        }
        QStringList& pending = m_pendingButtons[window];
        if (!pending.isEmpty()) {
            const QString name = pending.takeFirst();
            if (auto* button = window->findChild<QPushButton*>(name))
                QTimer::singleShot(0, button, &QPushButton::click);
            else
                problem(window, QStringLiteral("no button ") + name);
            continue;
        }
        m_pendingButtons.remove(window);
        QTimer::singleShot(0, window, [this, window] { closeWindow(window); });
    }
}

bool TstEveryDialog::otherWindowsOpen() const
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_frame && w->isVisible() && !qobject_cast<QMenu*>(w) &&
            w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
            return true;
    return false;
}

void TstEveryDialog::collect(QMenu* menu, QList<QAction*>& actions, QSet<QAction*>& seen)
{
    if (skippedMenus.contains(menu->objectName()))
        return;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || seen.contains(action))
            continue;
        seen.insert(action);
        if (action->menu())
            collect(action->menu(), actions, seen);
        else
            actions.append(action);
    }
}

void TstEveryDialog::everyWindowHasOneControlPerLetterAndFits()
{
    QElapsedTimer clock;
    clock.start();
    TMainForm frame{StartOptions{}};
    m_frame = &frame;
    frame.show();
    QApplication::setActiveWindow(&frame);
    TMDIChild* child = frame.createChild();
    child->TextMemo->loadText(QStringLiteral("<p>Ein Absatz mit Text</p>\r\nZweite Zeile"));
    child->TextMemo->setSelStart(3);
    child->TextMemo->setSelLength(3);

    // Every item of the menu bar (the document's merged menus and the frame's own) and of the
    // toolbars with their drop-down menus.
    QList<QAction*> actions;
    QSet<QAction*> seen;
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu())
            collect(top->menu(), actions, seen);
    for (QToolBar* bar : frame.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                button && button->menu())
                collect(button->menu(), actions, seen);
            if (!action->isSeparator() && !seen.contains(action) && !action->menu()) {
                seen.insert(action);
                actions.append(action);
            }
        }
    }
    const QList<QAction*> recent = frame.recentFileActions();

    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, &TstEveryDialog::answer);
    poll.start();
    int triggered = 0;
    for (const QPointer<QAction> action : actions) {
        if (!action || skippedCommands.contains(action->objectName()) ||
            recent.contains(action.data()))
            continue;
        if (!action->isEnabled()) {
            if (qEnvironmentVariableIsSet("TESSALINE_LIST_WINDOWS"))
                qInfo("disabled: %s %s", qPrintable(action->objectName()),
                      qPrintable(action->text()));
            continue;
        }
        m_command = action->objectName();
        ++triggered;
        const int before = m_windowCount;
        action->trigger();
        QElapsedTimer wait;
        wait.start();
        while (otherWindowsOpen() && wait.elapsed() < 5000)
            QTest::qWait(5);
        if (qEnvironmentVariableIsSet("TESSALINE_LIST_WINDOWS"))
            qInfo("%s %s: %d", qPrintable(m_command), qPrintable(action->text()),
                  m_windowCount - before);
        if (otherWindowsOpen())
            QFAIL(qPrintable(QStringLiteral("a window of %1 stays open").arg(m_command)));
        // A command that arranged or closed the document windows leaves the document in front.
        if (frame.activeChild() != child && frame.children().contains(child))
            frame.focusDocument(child);
    }
    poll.stop();
    qInfo("%d commands, %d windows in %lld ms", triggered, m_windowCount, clock.elapsed());
    if (qEnvironmentVariableIsSet("TESSALINE_LIST_WINDOWS"))
        qInfo("%s", qPrintable(QStringList(m_seenTitles.values()).join(QLatin1Char('\n'))));
    for (const QString& clash : m_clashes)
        qInfo("allowed field clash: %s", qPrintable(clash));
    for (TMDIChild* c : frame.children())
        c->TextMemo->setModified(false);
    m_frame = nullptr;
    // The walk reached the program's windows (about ninety with sub-windows and repeats).
    QVERIFY2(m_windowCount >= 60, qPrintable(QString::number(m_windowCount)));
    QVERIFY2(m_problems.isEmpty(),
             qPrintable(QLatin1Char('\n') + m_problems.join(QLatin1Char('\n'))));
}

TESSALINE_TEST_MAIN(TstEveryDialog)
#include "tst_everydialog.moc"
