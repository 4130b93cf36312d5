// The table markup built from the table memory and its cell texts.
#pragma once

#include <QString>
#include <QStringList>

struct TableMemory;

// The whole table, indented with tabs, every line ending in CR LF except the closing
// "</table>". cells holds the texts row by row; missing ones count as empty. Only the first data
// row carries header cells, forced widths and heights; titles and cells are written as typed.
QString tableMarkup(const TableMemory& table, const QStringList& cells);
