// The general error report: a German text in a message box captioned with the application title.
#pragma once

#include <QString>

class QWidget;

namespace AppInfo
{
inline const QString Title = QStringLiteral("Tessaline 3.0 light 32");
inline const QString FrameCaption = QStringLiteral("Tessaline 3.0l32");
inline const QString Version = QStringLiteral("3.0 light 32");
} // namespace AppInfo

void reportError(QWidget* parent, const QString& text);
