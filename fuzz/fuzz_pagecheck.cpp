// Fuzz target of the page check: every finding lies inside the text, sorted by place; the same
// text gives the same findings; and the page with every line end changed to one kind gives the
// same findings too, for the places are lines and columns, not offsets.
#include "FuzzSupport.h"
#include "PageCheckInput.h"

#include "editor/PageCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace
{

using PageCheck::Finding;

// A folder with a page that sets anchors, an image and a subfolder, made once.
QString folder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        QDir(dir.path()).mkpath(QStringLiteral("bilder"));
        QFile page(dir.filePath(QStringLiteral("a.htm")));
        if (page.open(QIODevice::WriteOnly))
            page.write("<a name=\"x\"></a><p id=\"y\"></p>");
        QFile image(dir.filePath(QStringLiteral("bilder/b.gif")));
        if (image.open(QIODevice::WriteOnly))
            image.write("GIF89a");
        return true;
    }();
    Q_UNUSED(made);
    return dir.path();
}

QString describe(const QList<Finding>& findings)
{
    QStringList rows;
    for (const Finding& f : findings)
        rows << QStringLiteral("%1:%2+%3 %4 %5")
                    .arg(f.line)
                    .arg(f.column)
                    .arg(f.length)
                    .arg(PageCheck::kindText(f.kind), f.message);
    return rows.join(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int started = (startQtApplication<QCoreApplication>(), 0);
    Q_UNUSED(started);
    if (size < 1)
        return 0;
    const unsigned flags = data[0];
    QString text;
    if (flags & PageCheckInput::Utf16) {
        text.resize(qsizetype((size - 1) / 2));
        std::memcpy(text.data(), data + 1, std::size_t(text.size()) * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    }
    PageCheck::Page page{text, (flags & PageCheckInput::InFolder) ? folder() : QString(),
                         std::nullopt};
    const int encoding = (flags >> 2) & 3;
    if (encoding)
        page.encoding = TextFileFormat::Encoding(encoding - 1);

    const QList<Finding> findings = PageCheck::check(page);
    const PageCheck::LineIndex lines(text);
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        if (f.line < 1 || f.line > lines.lineCount())
            fuzzFailure("a finding lies on a line the text does not have", describe(findings));
        const qsizetype length = lines.lineEnd(f.line - 1) - lines.lineStart(f.line - 1);
        if (f.column < 0 || f.length < 0 || f.column + f.length > length)
            fuzzFailure("a finding reaches outside its line", describe(findings));
        if (f.message.isEmpty())
            fuzzFailure("a finding without a message", describe(findings));
        if (i > 0 && (findings[i - 1].line > f.line ||
                      (findings[i - 1].line == f.line && findings[i - 1].column > f.column)))
            fuzzFailure("the findings are not sorted by place", describe(findings));
    }
    const QList<Finding> again = PageCheck::check(page);
    if (again != findings)
        fuzzFailure("the same text gave other findings",
                    describe(findings) + QStringLiteral("\n--\n") + describe(again));

    static const char16_t* const separators[] = {u"\r\n", u"\n", u"\r", u"\u2029"};
    QStringList parts;
    for (int line = 0; line < lines.lineCount(); ++line)
        parts << text.mid(lines.lineStart(line), lines.lineEnd(line) - lines.lineStart(line));
    PageCheck::Page variant = page;
    variant.text = parts.join(QString::fromUtf16(separators[(flags >> 4) & 3]));
    const QList<Finding> other = PageCheck::check(variant);
    if (other != findings)
        fuzzFailure("other line ends moved the findings",
                    describe(findings) + QStringLiteral("\n--\n") + describe(other));
    return 0;
}
