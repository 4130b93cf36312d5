// Keeps windows and dialogs fully on the screen that holds the window they belong to.
#include "widgets/ScreenPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

QRect windowPlacement(const QRect& client, bool moved, const QRect& anchorFrame,
                      const QMargins& frame, const QRect& area)
{
    if (!area.isValid())
        return client;
    QRect outer = client.marginsAdded(frame);
    if (!moved && anchorFrame.isValid())
        outer.moveCenter(anchorFrame.center());
    outer.setSize(outer.size().boundedTo(area.size()));
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() - outer.width() + 1));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() - outer.height() + 1));
    const QRect inner = outer.marginsRemoved(frame);
    return QRect(inner.topLeft(), inner.size().expandedTo(QSize(1, 1)));
}

QRect workAreaOf(const QWidget* widget)
{
    const QScreen* screen = nullptr;
    if (widget) {
        const QWidget* window = widget->window();
        if (window->isVisible())
            screen = QGuiApplication::screenAt(window->frameGeometry().center());
        if (!screen)
            screen = window->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

namespace
{

QMargins frameMarginsOf(const QWidget* window)
{
    if (const QWindow* handle = window->windowHandle())
        return handle->frameMargins();
    return {};
}

} // namespace

void placeOnScreenOf(QWidget* window, const QWidget* anchor)
{
    if (!window || !window->isWindow() ||
        (window->windowState() &
         (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    const QWidget* anchorWindow = anchor ? anchor->window() : window;
    // Before its first show the platform has not told a window its decorations yet; the
    // anchor's are the best guess.
    QMargins frame = frameMarginsOf(window);
    if (frame.isNull() && anchorWindow != window)
        frame = frameMarginsOf(anchorWindow);
    if (frame.isNull()) {
        // Nothing shown yet: borders and a title bar of the style's size.
        const int border = QApplication::style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight),
                         border, border);
    }
    const bool centre = anchorWindow != window && anchorWindow->isVisible();
    const QRect placed = windowPlacement(
        window->geometry(), window->testAttribute(Qt::WA_Moved) || !centre,
        centre ? anchorWindow->frameGeometry() : QRect(), frame, workAreaOf(anchorWindow));
    if (placed != window->geometry())
        window->setGeometry(placed);
}

namespace
{

class OnScreenFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow())
            return false;
        const Qt::WindowType type = widget->windowType();
        if (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool)
            return false;
        const QWidget* anchor = widget->parentWidget();
        if (!anchor) {
            // A window of its own, such as the frame, places itself; dialogs without an owner
            // belong to the window the user works in.
            if (!qobject_cast<QDialog*>(widget))
                return false;
            anchor = QApplication::activeWindow();
            if (anchor == widget)
                anchor = nullptr;
        }
        placeOnScreenOf(widget, anchor);
        return false;
    }
};

} // namespace

void keepWindowsOnScreen(QCoreApplication* application)
{
    const QString name = QStringLiteral("OnScreenFilter");
    if (application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new OnScreenFilter(application);
    filter->setObjectName(name);
    application->installEventFilter(filter);
}
