// The help window: help pages in a text browser beside a searchable index of the topics.
#include "app/HelpWindow.h"

#include "app/HelpTopics.h"
#include "widgets/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource && isHelpPageUrl(name))
        return helpPageHtml(name);
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tessaline Hilfe"));
    resize(760, 520); // fits an 800x600 screen with its frame

    auto* back = new QPushButton(QStringLiteral("&Zurück"));
    auto* forward = new QPushButton(QStringLiteral("&Vorwärts"));
    auto* contents = new QPushButton(QStringLiteral("&Inhalt"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();

    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("HelpIndexFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Suchbegriff eingeben"));
    m_filter->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(QStringLiteral("&Suchen:"));
    filterLabel->setBuddy(m_filter);
    m_index = new QListWidget;
    m_index->setObjectName(QStringLiteral("HelpIndexList"));
    for (const HelpTopic& topic : helpTopicsByTitle()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.title), m_index);
        item->setData(Qt::UserRole, topic.number);
    }
    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(filterLabel);
    indexLayout->addWidget(m_filter);
    indexLayout->addWidget(m_index);

    m_browser = new THelpBrowser;
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(indexPane);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 600});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, &THelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_filter, &QLineEdit::textChanged, this, &THelpWindow::applyFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &THelpWindow::openFirstMatch);
    auto open = [this](QListWidgetItem* item) {
        if (item)
            m_browser->setSource(helpTopicUrl(item->data(Qt::UserRole).toInt()));
    };
    connect(m_index, &QListWidget::itemActivated, this, open);
    connect(m_index, &QListWidget::itemClicked, this, open);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &THelpWindow::followPage);
    // Like a dialog, Escape puts the help away and the document has the keys again.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void THelpWindow::followPage(const QUrl& url)
{
    const int topic = helpTopicOf(url);
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        if (item->data(Qt::UserRole).toInt() == topic) {
            const QSignalBlocker quiet(m_index);
            m_index->setCurrentItem(item);
            m_index->scrollToItem(item);
            return;
        }
    }
    // The contents, the index and pages without a topic mark no entry.
    m_index->setCurrentRow(-1);
    m_index->clearSelection();
}

void THelpWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
}

void THelpWindow::present()
{
    if (!isVisible())
        placeOnScreenOf(this, parentWidget()); // fully on the frame's screen
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void THelpWindow::showContents()
{
    present();
    m_browser->setSource(helpContentsUrl());
}

void THelpWindow::showIndex()
{
    present();
    m_browser->setSource(helpIndexUrl());
    m_filter->clear();
    m_filter->setFocus();
}

void THelpWindow::showTopic(int topic)
{
    present();
    m_browser->setSource(helpTopicUrl(topic));
}

void THelpWindow::applyFilter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        item->setHidden(!item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

void THelpWindow::openFirstMatch()
{
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        if (!item->isHidden()) {
            m_index->setCurrentItem(item);
            m_browser->setSource(helpTopicUrl(item->data(Qt::UserRole).toInt()));
            return;
        }
    }
}

namespace
{

THelpWindow* sharedWindow(QWidget* parent)
{
    static QPointer<THelpWindow> window;
    if (!window)
        window = new THelpWindow(parent ? parent->window() : nullptr);
    return window;
}

} // namespace

THelpWindow* showHelpContents(QWidget* parent)
{
    THelpWindow* window = sharedWindow(parent);
    window->showContents();
    return window;
}

THelpWindow* showHelpIndex(QWidget* parent)
{
    THelpWindow* window = sharedWindow(parent);
    window->showIndex();
    return window;
}

THelpWindow* showHelpTopic(QWidget* parent, int topic)
{
    THelpWindow* window = sharedWindow(parent);
    window->showTopic(topic);
    return window;
}
