// The form frame: its markup and the dialog TDZielanwendung that asks for action and method.
#pragma once

#include <QString>

struct FormFrame {
    QString action;
    QString method; // "post" or "get"
};

// The form tags on lines of their own around the selected text.
QString formFrameMarkup(const FormFrame& frame, const QString& selection);
