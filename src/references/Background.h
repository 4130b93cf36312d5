// The background commands: the quick background colour and the background settings.
#pragma once

#include "editor/DocumentCommands.h"

#include <QString>
#include <span>

class TExtRich;
class TMDIChild;

// Puts tag in place of the document's first body tag, keeping the text before and after it on
// its line; without a body tag the tag replaces the selection.
void putBodyTag(TExtRich& memo, const QString& tag);

// The colour picker, then a body tag with that background colour.
void Hintergrundfarbe1Click(TMDIChild& child);
// The background dialog, then a body tag with the chosen image and colours.
void Hintergrundbild2Click(TMDIChild& child);

std::span<const DocumentCommand> backgroundCommands();
