// DocumentPrefetch: the file named at the start is read and decoded on a second core while the
// frame is being built; loading it then takes the result instead of reading the file again.
#pragma once

#include "core/TextFileCodec.h"
#include "platform/FileIo.h"

#include <QString>
#include <optional>

struct PrefetchedDocument {
    QByteArray bytes;
    FileStamp stamp;
    // Empty for a file that opens as formatted text, whose bytes are read differently.
    std::optional<DecodedText> decoded;
};

namespace DocumentPrefetch
{

// Starts reading path in the background; an empty path starts nothing.
void start(const QString& path);
// The result for path when it was prefetched and the file has not changed since; a file that
// could not be read gives nothing here, and the caller's own reading reports why.
std::optional<PrefetchedDocument> take(const QString& path);

} // namespace DocumentPrefetch
