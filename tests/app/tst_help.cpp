// Tests of the help window, its generated pages and index, and the about box.
#include "app/AboutBox.h"
#include "app/HelpTopics.h"
#include "app/HelpWindow.h"
#include "core/ShellState.h"
#include "platform/ErrorReport.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

class TstHelp : public QObject
{
    Q_OBJECT

private slots:
    void commandsOpenTheirPages();
    void keyboardPageListsTheShortcuts();
    void indexFilterNarrowsTheList();
    void aboutBoxShowsNameVersionAndBrowsers();
    void helpWindowOpensFullyOnTheScreen();
    void indexShowsTheIndexAndTheListFollowsThePage();
    void escapeGivesTheKeysBack();

private:
    static QStringList visibleTopics(QListWidget* list);

    TestEnvironment m_env;
    QWidget m_frame;
};

QStringList TstHelp::visibleTopics(QListWidget* list)
{
    QStringList titles;
    for (int row = 0; row < list->count(); ++row)
        if (!list->item(row)->isHidden())
            titles.append(list->item(row)->text());
    return titles;
}

void TstHelp::commandsOpenTheirPages()
{
    THelpWindow* help = showHelpContents(&m_frame);
    QCOMPARE(help->objectName(), QString("HelpWindow"));
    QCOMPARE(help->windowTitle(), QString("Tessaline Hilfe"));
    QVERIFY(help->isVisible() && help->isWindow());
    QCOMPARE(help->browser()->source(), helpContentsUrl());
    const QString contents = help->browser()->toPlainText();
    for (const HelpTopic& topic : helpTopics())
        QVERIFY2(contents.contains(QString::fromUtf8(topic.title)), topic.title);

    // Each registered page exists and carries the title the index shows for it.
    for (const HelpTopic& topic : helpTopics()) {
        QCOMPARE(showHelpTopic(&m_frame, topic.number), help); // one window, reused
        QCOMPARE(help->browser()->documentTitle(), QString::fromUtf8(topic.title));
    }
    QCOMPARE(help->browser()->source(), helpTopicUrl(helpTopics().back().number));

    help->indexFilter()->setText("x");
    QCOMPARE(showHelpIndex(&m_frame), help);
    QVERIFY(help->indexFilter()->text().isEmpty());
    QCOMPARE(visibleTopics(help->indexList()).size(), int(helpTopics().size()));

    showHelpTopic(&m_frame, 4711);
    QVERIFY(
        help->browser()->toPlainText().contains("Zu diesem Thema gibt es noch keine Hilfeseite."));
}

void TstHelp::keyboardPageListsTheShortcuts()
{
    const QString newKey = QKeySequence("Ctrl+N").toString(QKeySequence::NativeText);
    QVERIFY(newKey == "Ctrl+N" || newKey == "Strg+N");
    const QString table = keyboardTableHtml();
    QVERIFY2(table.contains("<td>" + newKey + "</td><td>Neues Dokument</td><td>Datei</td>"),
             qPrintable(table));
    // The context menu's twin adds its place to the row of the menu-bar item.
    const QString undoKey = QKeySequence("Alt+Backspace").toString(QKeySequence::NativeText);
    QVERIFY(
        table.contains("<td>" + undoKey +
                       "</td><td>Rückgängig</td><td>Bearbeiten, Kontextmenü des Dokuments</td>"));
    QCOMPARE(table.count("Rückgängig"), 1);
    // Mnemonic marks are gone; only the entities of captions such as "<br>" remain.
    QString withoutEntities = table;
    for (const char* entity : {"&lt;", "&gt;", "&amp;", "&quot;"})
        withoutEntities.remove(QString::fromLatin1(entity));
    QVERIFY(!withoutEntities.contains('&'));
}

void TstHelp::indexFilterNarrowsTheList()
{
    THelpWindow* help = showHelpIndex(&m_frame);
    help->indexFilter()->setText("TAST");
    QCOMPARE(visibleTopics(help->indexList()), QStringList{"Tastatur"});
    QTest::keyClick(help->indexFilter(), Qt::Key_Return);
    QCOMPARE(help->browser()->source(), helpTopicUrl(501));
    help->indexFilter()->setText("fenster");
    QCOMPARE(visibleTopics(help->indexList()),
             (QStringList{"Das Dokumentfenster", "Das Hauptfenster"}));
    help->indexFilter()->setText("gibt es nicht");
    QVERIFY(visibleTopics(help->indexList()).isEmpty());
    QTest::keyClick(help->indexFilter(), Qt::Key_Return);
    QCOMPARE(help->browser()->source(), helpTopicUrl(501));
}

void TstHelp::aboutBoxShowsNameVersionAndBrowsers()
{
    ShellState state;
    state.browser1Selected = true;
    state.browser1Path = "C:\\Programme\\browse.exe";
    state.browser2Selected = false;
    QMap<QString, QString> texts;
    QString title;
    whenModal([&](QWidget* w) {
        if (w->objectName() != "AboutBox")
            return false;
        title = w->windowTitle();
        for (QLabel* label : w->findChildren<QLabel*>())
            texts.insert(label->objectName(), label->text());
        QTest::keyClick(w, Qt::Key_Return); // the OK button is the default
        return true;
    });
    showAboutBox(&m_frame, state);
    QCOMPARE(title, QString("Info"));
    QCOMPARE(texts.value("ProgramName"), AppInfo::Title);
    QCOMPARE(texts.value("VersionText"), AppInfo::Version);
    QCOMPARE(texts.value("Browser1Text"), QString("HTML Datei mit browse testen"));
    QCOMPARE(texts.value("Browser2Text"), QString("Kein Browser eingetragen."));
}

void TstHelp::helpWindowOpensFullyOnTheScreen()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // The frame low on the screen: the help window centred on it would reach below the edge.
    m_frame.setGeometry(area.left() + 50, area.bottom() - 150, 400, 120);
    m_frame.show();
    showHelpContents(&m_frame)->close();
    THelpWindow* help = showHelpContents(&m_frame);
    QVERIFY(area.contains(help->frameGeometry()));

    // Closed and left where a larger screen once had it, it comes back onto this one.
    help->close();
    help->move(area.right() - 100, area.bottom() - 100);
    help = showHelpTopic(&m_frame, 600);
    QVERIFY(area.contains(help->frameGeometry()));
    QVERIFY(help->isVisible());
    help->close();
    m_frame.hide();
}

void TstHelp::indexShowsTheIndexAndTheListFollowsThePage()
{
    THelpWindow* help = showHelpTopic(&m_frame, 501);
    QCOMPARE(help->indexList()->currentItem()->text(), QString("Tastatur"));
    // "Index" shows the index, not the page shown last.
    QCOMPARE(showHelpIndex(&m_frame), help);
    QCOMPARE(help->browser()->source(), helpIndexUrl());
    QCOMPARE(help->browser()->documentTitle(), QString("Index"));
    const QString index = help->browser()->toPlainText();
    qsizetype at = 0;
    for (const HelpTopic& topic : helpTopicsByTitle()) {
        at = index.indexOf(QString::fromUtf8(topic.title), at);
        QVERIFY2(at >= 0, topic.title); // every topic, in the list's order
    }
    QVERIFY(help->indexList()->selectedItems().isEmpty());

    // Pages reached by links, back and forward mark their own entry.
    help->browser()->setSource(helpTopicUrl(306));
    QCOMPARE(help->indexList()->currentItem()->text(), helpTopicTitle(306));
    QVERIFY(help->indexList()->currentItem()->isSelected());
    help->browser()->backward();
    QCOMPARE(help->browser()->source(), helpIndexUrl());
    QVERIFY(help->indexList()->selectedItems().isEmpty());
    help->browser()->forward();
    QCOMPARE(help->indexList()->currentItem()->text(), helpTopicTitle(306));
    showHelpContents(&m_frame);
    QVERIFY(help->indexList()->selectedItems().isEmpty());
    help->close();
}

void TstHelp::escapeGivesTheKeysBack()
{
    auto* document = new QLineEdit(&m_frame);
    m_frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_frame));
    document->setFocus();
    THelpWindow* help = showHelpContents(&m_frame);
    for (QWidget* inside :
         {static_cast<QWidget*>(help->indexFilter()), static_cast<QWidget*>(help->browser())}) {
        showHelpIndex(&m_frame);
        QTRY_VERIFY(help->isActiveWindow());
        inside->setFocus();
        QTest::keyClick(inside, Qt::Key_Escape);
        QTRY_VERIFY(!help->isVisible());
        QTRY_VERIFY(m_frame.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), document);
    }
    delete document;
    m_frame.hide();
}

TESSALINE_TEST_MAIN(TstHelp)
#include "tst_help.moc"
