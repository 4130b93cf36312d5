// The form frame: its markup and the dialog TDZielanwendung that asks for action and method.
#include "generators/Zieladr.h"

QString formFrameMarkup(const FormFrame& frame, const QString& selection)
{
    return QStringLiteral("<form action=\"") + frame.action + QStringLiteral("\" method=\"") +
           frame.method + QStringLiteral("\">\r\n") + selection + QStringLiteral("\r\n</form>");
}
