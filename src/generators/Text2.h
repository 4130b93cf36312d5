// All font settings at once: the markup and the dialog TDSchriftartAlle.
#pragma once

#include <QString>

struct AllFontSettings {
    QString first, second, third; // font faces; the alternatives count only after a first face
    QString color;                // a colour name or "#RRGGBB"
    QString size;
};

// "<font" + face, colour and size attributes that are not empty + ">" + selection + "</font>".
QString allFontMarkup(const AllFontSettings& settings, const QString& selection);
