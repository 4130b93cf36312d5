// The body tag of the background commands: its attributes and where the old tag stands.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// "#RRGGBB" of a colour value; a system colour (such as clWindow) is written as the colour it
// stands for on this system, never as its stored number.
QString htmlColorText(std::uint32_t color);
// " bgcolor=\"#RRGGBB\"" and its kin: name is the attribute, such as "bgcolor".
QString colorAttribute(const char* name, std::uint32_t color);

// The background image's inputs; the server parts count only for an external image.
struct BackgroundImageValues {
    bool external = false;
    QString protocol, server, type, path, file;
    bool fixed = false; // the watermark effect
};
// Empty without a file name unless the watermark is on, which writes the attribute anyway.
QString backgroundImageAttribute(const BackgroundImageValues& values);

// Each part is a whole attribute with its leading blank, or empty.
struct BodyAttributes {
    QString image, bgcolor, text, link, vlink, alink;
};
QString bodyTag(const BodyAttributes& attributes);

// Where the first body tag of a text stands: from "<body" (any letter case) on the first line
// that holds one to its own ">", which may be on a later line. A tag without ">" runs to the end
// of its line. Columns count characters of their line; end is the place behind the tag.
struct BodyTagPlace {
    int line = -1, column = 0;
    int endLine = -1, endColumn = 0;
    bool found() const { return line >= 0; }
};
BodyTagPlace findBodyTag(const QStringList& lines);
// The lines with tag in place of the first body tag: what stands in front of the old tag on its
// line and behind it on the line where it ends is kept, and the lines it ran over become one.
// Without a body tag the lines come back unchanged. *place, when given, tells where the old tag
// stood.
QStringList replaceBodyTag(const QStringList& lines, const QString& tag,
                           BodyTagPlace* place = nullptr);
