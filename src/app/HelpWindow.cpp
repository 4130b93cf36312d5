// The help window: help pages in a text browser beside a searchable index of the topics.
#include "app/HelpWindow.h"

#include "app/HelpTopics.h"
#include "widgets/ScreenPlacement.h"

#include <QCollator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
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
    resize(820, 600);

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
    QList<HelpTopic> sorted(helpTopics().begin(), helpTopics().end());
    QCollator collator{QLocale(QLocale::German)};
    std::sort(sorted.begin(), sorted.end(), [&](const HelpTopic& a, const HelpTopic& b) {
        return collator.compare(QString::fromUtf8(a.title), QString::fromUtf8(b.title)) < 0;
    });
    for (const HelpTopic& topic : sorted) {
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
    if (m_browser->source().isEmpty())
        m_browser->setSource(helpContentsUrl());
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
