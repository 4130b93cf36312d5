// PageCheckResults: the findings list of the "Prüfergebnis" window.
#include "editor/PageCheckResults.h"

#include "editor/PageCheckDocument.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PageCheckResults::PageCheckResults(QWidget* parent)
    : QWidget(parent), m_summary(new QLabel(this)), m_progress(new QProgressBar(this)),
      m_stop(new QPushButton(QStringLiteral("&Abbrechen"), this)), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("PageCheckResults"));
    m_summary->setObjectName(QStringLiteral("PageCheckSummary"));
    m_progress->setObjectName(QStringLiteral("PageCheckProgress"));
    m_stop->setObjectName(QStringLiteral("PageCheckStop"));
    m_list->setObjectName(QStringLiteral("PageCheckList"));
    m_list->setHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Spalte"),
                             QStringLiteral("Art"), QStringLiteral("Meldung")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->installEventFilter(this);
    m_progress->setRange(0, 100);
    m_progress->hide();
    m_stop->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_progress);
    top->addWidget(m_stop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_list);

    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { activateCurrent(); });
    connect(m_stop, &QPushButton::clicked, this, &PageCheckResults::stopRequested);
}

void PageCheckResults::showFindings(const QList<PageCheck::Finding>& findings)
{
    m_findings = findings;
    m_progress->hide();
    m_stop->hide();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(findings.size());
    for (const PageCheck::Finding& f : findings) {
        auto* item = new QTreeWidgetItem({QString::number(f.line), QString::number(f.column),
                                          PageCheck::kindText(f.kind), f.message});
        item->setForeground(2, PageChecker::colour(f.kind));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(3, f.message);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    for (int column = 0; column < 3; ++column)
        m_list->resizeColumnToContents(column);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.first());
    m_list->setUpdatesEnabled(true);
    m_summary->setText(summaryText());
}

QString PageCheckResults::summaryText() const
{
    return PageCheck::summary(m_findings);
}

void PageCheckResults::showRunning(int percent)
{
    m_summary->setText(QStringLiteral("Die Seite wird geprüft …"));
    m_progress->setValue(percent);
    m_progress->show();
    m_stop->show();
}

void PageCheckResults::showStopped()
{
    m_progress->hide();
    m_stop->hide();
    m_summary->setText(QStringLiteral("Prüfung abgebrochen."));
}

void PageCheckResults::clear()
{
    m_findings.clear();
    m_list->clear();
    m_progress->hide();
    m_stop->hide();
    m_summary->clear();
}

void PageCheckResults::activateCurrent()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row >= 0 && row < m_findings.size())
        emit activated(m_findings[row]);
}

bool PageCheckResults::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            activateCurrent();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit leaveRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
