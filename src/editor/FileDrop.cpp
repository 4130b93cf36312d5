// TFileDrag: takes files dropped from the desktop onto its owner window into three name lists.
#include "editor/FileDrop.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace
{

QStringList localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

} // namespace

TFileDrag::TFileDrag(QWidget* owner) : QObject(owner), m_owner(owner)
{
    if (m_owner) {
        m_owner->installEventFilter(this);
        m_owner->setAcceptDrops(m_enableDrop);
    }
}

TFileDrag::~TFileDrag()
{
    if (m_owner) {
        m_owner->removeEventFilter(this);
        m_owner->setAcceptDrops(false);
    }
}

void TFileDrag::setEnableDrop(bool enable)
{
    m_enableDrop = enable;
    if (m_owner)
        m_owner->setAcceptDrops(enable);
}

void TFileDrag::takeDrop(const QStringList& paths)
{
    NameWithPath.clear();
    NameOnly.clear();
    Extension.clear();
    FileCount = int(paths.size());
    for (const QString& path : paths) {
        const qsizetype separator =
            std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
        const QString name = path.mid(separator + 1);
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        NameWithPath.append(QDir::toNativeSeparators(path));
        NameOnly.append(name);
        Extension.append(dot < 0 ? QString() : name.mid(dot + 1));
    }
    emit OnDrop();
}

bool TFileDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_enableDrop || watched != m_owner.data())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (localPaths(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = localPaths(drop->mimeData());
        if (paths.isEmpty())
            break;
        drop->acceptProposedAction();
        takeDrop(paths);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
