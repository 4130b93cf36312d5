// The help window: help pages in a text browser beside a searchable index of the topics.
#pragma once

#include <QTextBrowser>
#include <QWidget>

class QLineEdit;
class QListWidget;

// Serves the help pages (file pages and the ones built from the program's tables) to the
// browser, so links, back and forward work for every topic.
class THelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void showContents();
    // Shows the index page and every topic in the list, and puts the cursor in its search field.
    void showIndex();
    void showTopic(int topic);

    THelpBrowser* browser() const { return m_browser; }
    QLineEdit* indexFilter() const { return m_filter; }
    QListWidget* indexList() const { return m_index; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void present();
    // Marks the index entry of the page shown, or none.
    void followPage(const QUrl& url);
    void applyFilter(const QString& text);
    void openFirstMatch();

    THelpBrowser* m_browser;
    QLineEdit* m_filter;
    QListWidget* m_index;
};

// The one help window (created on first use, a top-level window of parent), raised and
// showing the page asked for.
THelpWindow* showHelpContents(QWidget* parent);
THelpWindow* showHelpIndex(QWidget* parent);
THelpWindow* showHelpTopic(QWidget* parent, int topic);
