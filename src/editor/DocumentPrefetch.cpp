// DocumentPrefetch: the start file read and decoded in the background.
#include "editor/DocumentPrefetch.h"

#include "platform/Paths.h"
#include "platform/UserError.h"

#include <QFileInfo>
#include <future>

namespace
{

struct Pending {
    QString path;
    std::future<PrefetchedDocument> result;
};

Pending& pending()
{
    static Pending instance;
    return instance;
}

PrefetchedDocument readAndDecode(const QString& path)
{
    PrefetchedDocument document;
    document.bytes = readDocumentFile(path, &document.stamp);
    // The same test as the document window's: only ".rtf" opens as formatted text.
    if (fileExtension(path) != QLatin1String(".rtf"))
        document.decoded = decodeTextFile(document.bytes);
    return document;
}

} // namespace

void DocumentPrefetch::start(const QString& path)
{
    if (path.isEmpty())
        return;
    pending().path = path;
    pending().result = std::async(std::launch::async, readAndDecode, path);
}

std::optional<PrefetchedDocument> DocumentPrefetch::take(const QString& path)
{
    Pending& p = pending();
    if (!p.result.valid() || p.path != path)
        return std::nullopt;
    std::optional<PrefetchedDocument> document;
    try {
        document = p.result.get();
    } catch (const UserError&) {
        return std::nullopt;
    }
    p.path.clear();
    // A file changed between the two moments is read again.
    const QFileInfo now(path);
    if (!now.isFile() || now.size() != document->stamp.size ||
        now.lastModified() != document->stamp.modified)
        return std::nullopt;
    return document;
}
