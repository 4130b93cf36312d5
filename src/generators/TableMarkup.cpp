// The table markup built from the table memory and its cell texts.
#include "generators/TableMarkup.h"

#include "core/ShellState.h"

#include <algorithm>

namespace
{

const QString CrLf = QStringLiteral("\r\n");

// A numeric attribute with its leading blank and quotes; nothing for 0 or an empty value.
QString quotedUnlessZero(const char* attribute, const QString& value)
{
    if (value.toInt() == 0)
        return {};
    return QLatin1Char(' ') + QLatin1String(attribute) + QStringLiteral("=\"") + value +
           QLatin1Char('"');
}

QString titleRow(const QString& columns, const QString& title)
{
    return QStringLiteral("\t<tr><th nowrap colspan=\"") + columns + QStringLiteral("\">") + title +
           QStringLiteral("</th></tr>") + CrLf;
}

} // namespace

QString tableMarkup(const TableMemory& t, const QStringList& cells)
{
    const int columns = std::max(1, t.columns.toInt());
    const int rows = std::max(1, t.rows.toInt());

    const QString cellHeight =
        t.forceRowHeight
            ? QStringLiteral(" height=\"") + QString::number(t.rowHeight) + QLatin1Char('"')
            : QString();
    QString start = QStringLiteral("<table") + quotedUnlessZero("border", t.border);
    if (!t.tableWidth.isEmpty())
        start += QStringLiteral(" width=") + t.tableWidth; // unquoted, unlike the height
    if (!t.tableHeight.isEmpty())
        start += QStringLiteral(" height=\"") + t.tableHeight + QLatin1Char('"');
    start += quotedUnlessZero("cellspacing", t.cellSpacing) +
             quotedUnlessZero("cellpadding", t.cellPadding) + QLatin1Char('>') + CrLf;

    QString html;
    html.reserve(start.size() + rows * (columns * 24 + 16) + 256);
    html += start;
    if (t.title1On)
        html += titleRow(t.columns, t.title1);
    const bool footer = t.title2On && t.title2Footer;
    if (t.title2On && !footer)
        html += titleRow(t.columns, t.title2);

    const bool header = t.firstRowHeader;
    html += QStringLiteral("\t<tr>") + CrLf;
    for (int c = 0; c < columns; ++c) {
        html += QStringLiteral("\t\t");
        if (t.forceColumnWidth)
            html += (header ? QStringLiteral("<th width=") : QStringLiteral("<td width=")) +
                    QString::number(t.columnWidths.value(c, 64));
        else
            html += header ? QStringLiteral("<th") : QStringLiteral("<td");
        html += cellHeight + QLatin1Char('>') + cells.value(c) +
                (header ? QStringLiteral("</th>") : QStringLiteral("</td>")) + CrLf;
    }
    html += QStringLiteral("\t</tr>") + CrLf;

    for (int r = 1; r < rows; ++r) {
        html += QStringLiteral("\t<tr>") + CrLf;
        for (int c = 0; c < columns; ++c)
            html += QStringLiteral("\t\t<td>") + cells.value(r * columns + c) +
                    QStringLiteral("</td>") + CrLf;
        html += QStringLiteral("\t</tr>") + CrLf;
    }

    if (footer)
        html += titleRow(t.columns, t.title2);
    html += QStringLiteral("</table>");
    return html;
}
