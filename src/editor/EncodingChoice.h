// EncodingChoice: names of encodings and line ends, the panel's menu, and what Windows-1252 can
// hold.
#pragma once

#include "core/TextFileCodec.h"

#include <QString>
#include <QStringView>

class QMenu;
class QWidget;

namespace EncodingChoice
{

QString encodingName(TextFileFormat::Encoding encoding);    // "UTF-8", "UTF-8 mit BOM", ...
QString lineBreakName(TextFileFormat::LineBreak lineBreak); // "CR LF", "LF", ...
// What the status panel shows for a document of that format.
QString panelText(const TextFileFormat& format);

// Position of the first character (a whole surrogate pair counts as one) that Windows-1252
// cannot write, -1 when there is none.
qsizetype firstUnencodable(QStringView text);
// The German refusal naming that character and its line; text as its file holds it ('\n' lines).
QString refusalText(QStringView text, qsizetype position);

// The choices of the panel's menu, the current ones checked. Each item carries its choice as
// data: an Encoding as int, or 100 + a LineBreak as int.
QMenu* buildMenu(const TextFileFormat& format, QWidget* parent);
constexpr int LineBreakData = 100;

} // namespace EncodingChoice
