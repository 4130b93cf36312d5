// Meta information and the base reference: their markup, the meta dialog and the commands.
#pragma once

#include "editor/DocumentCommands.h"

#include <QString>
#include <span>

class TMDIChild;

// "<base href=\"" + url + "\">".
QString baseReferenceMarkup(const QString& url);

// Asks for a URL; an answer inserts the base reference, cancel or an empty answer nothing.
void Basereferenz1Click(TMDIChild& child);

std::span<const DocumentCommand> metaCommands();
