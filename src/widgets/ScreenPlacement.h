// Keeps windows and dialogs fully on the screen that holds the window they belong to.
#pragma once

#include <QMargins>
#include <QRect>

class QCoreApplication;
class QWidget;

// Where a window's client area goes so that it, with its frame margins, lies fully in area:
// a window not yet placed (moved = false) first goes to the centre of anchorFrame; then it
// shrinks to the area where it is larger and moves by as little as it takes.
QRect windowPlacement(const QRect& client, bool moved, const QRect& anchorFrame,
                      const QMargins& frame, const QRect& area);

// The work area of the screen holding the middle of the widget's window, the primary screen's
// when no screen holds it.
QRect workAreaOf(const QWidget* widget);

// Places the top-level window by windowPlacement on the screen of anchor's window (its own
// when anchor is null). Maximised, minimised and full-screen windows stay as they are.
void placeOnScreenOf(QWidget* window, const QWidget* anchor);

// From now on every dialog, tool window and owned window of the application is placed by
// placeOnScreenOf when it is shown, anchored at the window that owns it (or the active window).
void keepWindowsOnScreen(QCoreApplication* application);
