// TSuchergebnis: the dockable window that lists the hits of a search across files, file by file.
#include "app/FindInFilesResults.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

// Draws a hit row with the hit itself in bold on the highlight colour of found text.
class HitDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const int markLength = index.data(TSuchergebnis::MarkLengthRole).toInt();
        if (markLength <= 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                               .adjusted(2, 0, -2, 0);
        const int markStart = index.data(TSuchergebnis::MarkStartRole).toInt();
        const QString parts[] = {text.left(markStart), text.mid(markStart, markLength),
                                 text.mid(markStart + markLength)};
        QFont bold = opt.font;
        bold.setBold(true);
        const bool selected = opt.state & QStyle::State_Selected;
        const QColor ink = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->setClipRect(area);
        int x = area.left();
        for (int i = 0; i < 3 && x < area.right(); ++i) {
            const QFont& font = i == 1 ? bold : opt.font;
            const int width = QFontMetrics(font).horizontalAdvance(parts[i]);
            const QRect box(x, area.top(), width, area.height());
            if (i == 1 && !selected)
                painter->fillRect(box, QColor(255, 230, 110));
            painter->setFont(font);
            painter->setPen(i == 1 && !selected ? QColor(Qt::black) : ink);
            painter->drawText(box, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine,
                              parts[i]);
            x += width;
        }
        painter->restore();
    }
};

QString hitsText(int count)
{
    return count == 1 ? QStringLiteral("1 Treffer") : QStringLiteral("%1 Treffer").arg(count);
}

} // namespace

TSuchergebnis::TSuchergebnis(QWidget* parent) : QDockWidget(QStringLiteral("Suchergebnis"), parent)
{
    setObjectName(QStringLiteral("Suchergebnis"));
    auto* body = new QWidget(this);
    m_status = new QLabel(body);
    m_status->setObjectName(QStringLiteral("SuchergebnisStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_progress = new QProgressBar(body);
    m_progress->setObjectName(QStringLiteral("SuchergebnisFortschritt"));
    m_progress->setMaximumWidth(200);
    m_progress->setTextVisible(false);
    m_stop = new QPushButton(QStringLiteral("Anhalten"), body);
    m_stop->setObjectName(QStringLiteral("SuchergebnisAnhalten"));
    m_stop->setToolTip(QStringLiteral("Hält die Suche an (Esc)"));
    connect(m_stop, &QPushButton::clicked, this, &TSuchergebnis::stopRequested);
    m_tree = new QTreeWidget(body);
    m_tree->setObjectName(QStringLiteral("SuchergebnisListe"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setItemDelegate(new HitDelegate(m_tree));
    m_tree->setTextElideMode(Qt::ElideRight);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(item); });
    auto* top = new QHBoxLayout;
    top->addWidget(m_status, 1);
    top->addWidget(m_progress);
    top->addWidget(m_stop);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_tree);
    setWidget(body);
    setFocusProxy(m_tree);
    m_progress->hide();
    m_stop->hide();
}

void TSuchergebnis::begin(const QString& what)
{
    m_tree->clear();
    m_skippedGroup = nullptr;
    m_what = what;
    m_hits = m_files = m_listed = m_skippedCount = 0;
    m_filePaths.clear();
    m_progress->setRange(0, 0);
    m_progress->show();
    m_stop->show();
    updateStatus();
}

void TSuchergebnis::updateStatus()
{
    m_status->setText(QStringLiteral("%1: %2 in %3 %4")
                          .arg(m_what, hitsText(m_hits))
                          .arg(m_files)
                          .arg(m_files == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien")));
}

void TSuchergebnis::addResults(const QList<FindInFiles::FileResult>& results)
{
    if (results.isEmpty())
        return;
    m_tree->setUpdatesEnabled(false);
    for (const FindInFiles::FileResult& result : results) {
        auto* group = new QTreeWidgetItem;
        QString caption = FindInFiles::shownPath(result.relative) + QStringLiteral(" (") +
                          hitsText(result.hitCount) + QLatin1Char(')');
        if (result.openDocument)
            caption += QStringLiteral(" – geöffnetes Dokument");
        group->setText(0, caption);
        group->setToolTip(0, FindInFiles::shownPath(result.path));
        group->setData(0, PathRole, result.path);
        group->setData(0, LineRole, 0);
        QFont font = group->font(0);
        font.setBold(true);
        group->setFont(0, font);
        for (const FindInFiles::Hit& hit : result.hits) {
            if (m_listed >= MaxListedHits)
                break;
            ++m_listed;
            const QString prefix = QStringLiteral("%1: ").arg(hit.line, 5);
            auto* row = new QTreeWidgetItem(group);
            row->setText(0, prefix + hit.shown);
            row->setData(0, PathRole, result.path);
            row->setData(0, LineRole, hit.line);
            row->setData(0, ColumnRole, hit.column);
            row->setData(0, LengthRole, hit.length);
            row->setData(0, MarkStartRole, int(prefix.size()) + hit.shownStart);
            row->setData(0, MarkLengthRole, hit.length);
        }
        if (group->childCount() < result.hitCount) {
            auto* more = new QTreeWidgetItem(group);
            more->setText(0, QStringLiteral("… %1 weitere nicht aufgeführt")
                                 .arg(result.hitCount - group->childCount()));
        }
        const int at = m_skippedGroup ? m_tree->indexOfTopLevelItem(m_skippedGroup)
                                      : m_tree->topLevelItemCount();
        m_tree->insertTopLevelItem(at, group);
        group->setExpanded(true);
        m_hits += result.hitCount;
        ++m_files;
        m_filePaths.append(result.path);
    }
    if (!m_tree->currentItem() && m_tree->topLevelItemCount() > 0) {
        QTreeWidgetItem* first = m_tree->topLevelItem(0);
        m_tree->setCurrentItem(first->childCount() ? first->child(0) : first);
    }
    m_tree->setUpdatesEnabled(true);
    updateStatus();
}

void TSuchergebnis::addSkipped(const QList<FindInFiles::SkippedFile>& skipped,
                               const QString& folder)
{
    if (skipped.isEmpty())
        return;
    if (!m_skippedGroup) {
        m_skippedGroup = new QTreeWidgetItem(m_tree);
        QFont font = m_skippedGroup->font(0);
        font.setItalic(true);
        m_skippedGroup->setFont(0, font);
    }
    const QDir base(folder);
    for (const FindInFiles::SkippedFile& file : skipped) {
        auto* row = new QTreeWidgetItem(m_skippedGroup);
        const QString name = folder.isEmpty() ? file.path : base.relativeFilePath(file.path);
        row->setText(0, FindInFiles::shownPath(name) + QStringLiteral(": ") + file.reason);
        row->setToolTip(0, FindInFiles::shownPath(file.path));
    }
    m_skippedCount += int(skipped.size());
    m_skippedGroup->setText(0, QStringLiteral("Übersprungen (%1)").arg(m_skippedCount));
}

void TSuchergebnis::setProgress(int done, int total)
{
    if (total > 0) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    }
}

void TSuchergebnis::end(const QString& summary)
{
    m_progress->hide();
    m_stop->hide();
    m_status->setText(summary);
}

void TSuchergebnis::activate(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString path = item->data(0, PathRole).toString();
    if (path.isEmpty())
        return;
    emit hitActivated(path, item->data(0, LineRole).toInt(), item->data(0, ColumnRole).toInt(),
                      item->data(0, LengthRole).toInt());
}

bool TSuchergebnis::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (m_stop->isVisible())
            emit stopRequested();
        else
            emit leaveRequested();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}
