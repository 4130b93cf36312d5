// The markup of the frame commands: frameset pair, frame tag, base target and target attribute.
#pragma once

#include <QString>
#include <array>

// The five size lists of the frameset dialog, in order, and the choice of rows or columns.
struct FramesetValues {
    bool rows = true;
    std::array<QString, 5> sizes;
};
// "<frameset rows=\"...\">" (or cols): the first size gets a "," behind it, the third to fifth
// one in front of them, each only when not empty; the second stands as typed.
QString framesetOpenTag(const FramesetValues& values);

// The frame dialog's inputs; the server parts count only for an external source.
struct FrameValues {
    bool external = false;
    QString protocol, server, type, path, file, anchor;
    QString name, scrolling, marginWidth, marginHeight;
    bool noresize = false;
};
QString frameTag(const FrameValues& values);

// "<base target=\"T\">" and "target=\"T\""; both empty for an empty target, which inserts nothing.
QString baseTargetTag(const QString& target);
QString targetAttribute(const QString& target);
