// Font markup around the selection (size, base size, colour, face) and the face dialog
// TDSchriftart.
#pragma once

#include <QString>

// "<font size=\"answer\">" + selection + "</font>".
QString fontSizeMarkup(const QString& answer, const QString& selection);
// "<basefont size=\"answer\">" + selection + "</basefont>".
QString baseFontMarkup(const QString& answer, const QString& selection);
// "<font color=\"#RRGGBB\">" + selection + "</font>"; htmlColor is the six digits.
QString fontColorMarkup(const QString& htmlColor, const QString& selection);

// The first face, then each alternative that is not empty, separated by commas.
QString fontFaceList(const QString& first, const QString& second, const QString& third);
// "<font face=\"list\">" + selection + "</font>".
QString fontFaceMarkup(const QString& faceList, const QString& selection);
