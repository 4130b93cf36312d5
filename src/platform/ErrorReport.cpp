// The general error report: a German text in a message box captioned with the application title.
#include "platform/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

void reportError(QWidget* parent, const QString& text)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox::critical(parent, AppInfo::Title, text);
}
