// Seeds of the tag matcher and body-tag fuzz targets: pages our generators write, the matcher's
// hard cases, and body tags where the background commands meet them.
#include "MarkupFuzzText.h"
#include "SeedWriter.h"

#include "generators/ListMarkup.h"
#include "generators/PageSkeleton.h"
#include "references/BackgroundMarkup.h"

#include <QStringList>

namespace
{

// A tag matcher input: caret, limit (0: the whole bound), start state, window line, text.
QByteArray tagInput(const QString& text, qsizetype caret, int limit = 0, int line = 0)
{
    QByteArray bytes;
    bytes += char(caret & 0xFF);
    bytes += char((caret >> 8) & 0xFF);
    bytes += char(limit);
    bytes += char(0); // plain text
    bytes += char(line);
    return bytes + MarkupFuzzText::encode(text);
}

// A body-tag input: selection start and length, which new tag, text.
QByteArray bodyInput(const QString& text, int selStart, int selLength, int tag)
{
    QByteArray bytes;
    bytes += char(selStart & 0xFF);
    bytes += char((selStart >> 8) & 0xFF);
    bytes += char(selLength);
    bytes += char(tag);
    return bytes + MarkupFuzzText::encode(text);
}

QString page()
{
    const QStringList types = documentTypes();
    SkeletonValues values{types.value(1), titleLineFor(QStringLiteral("Grüße"))};
    return skeletonAround(
        values,
        listMarkup(ListKind::BulletRound, {QStringLiteral("eins"), QStringLiteral("<b>zwei</b>")}) +
            QStringLiteral("\r\n<!-- Ende -->\r\n"));
}

void tagMatcherSeeds()
{
    const QString skeleton = page();
    writeSeed("tagmatcher", "page-body", tagInput(skeleton, skeleton.indexOf(u"<body") + 2));
    writeSeed("tagmatcher", "page-closing-ul",
              tagInput(skeleton, skeleton.indexOf(u"</ul") + 3, 0, 3));
    writeSeed("tagmatcher", "page-near-bound",
              tagInput(skeleton, skeleton.indexOf(u"<li") + 2, 40));
    // The cases where the two directions once read comments and quoted values differently;
    // '|' marks the caret.
    const struct {
        const char* name;
        const char16_t* text;
    } hard[] = {
        {"lone-comment-end-forward", u"<b|>Start --> Ziel</b>"},
        {"lone-comment-end-backward", u"<b>Start --> Ziel</b|>"},
        {"comment-opened-twice-forward", u"<b|><!-- <b> <!-- --></b>"},
        {"comment-opened-twice-backward", u"<b><!-- <b> <!-- --></b|>"},
        {"short-comment-forward", u"<b|><!--></b>--></b>"},
        {"short-comment-backward", u"<b><!--></b|>--></b>"},
        {"closing-tag-in-value-forward", u"<p| title=\"</p>\">x</p>"},
        {"closing-tag-in-value-backward", u"<p title=\"</p>\">x</p|>"},
        {"closing-tag-in-value-itself", u"<p title=\"</p|>\">x</p>"},
    };
    for (const auto& seed : hard) {
        QString text = QString::fromUtf16(seed.text);
        const qsizetype caret = text.indexOf(u'|');
        text.remove(caret, 1);
        writeSeed("tagmatcher", seed.name, tagInput(text, caret));
    }
}

void bodyTagSeeds()
{
    const QString skeleton = page();
    writeSeed("bodytag", "page", bodyInput(skeleton, 0, 0, 1));
    writeSeed("bodytag", "page-caret-behind", bodyInput(skeleton, int(skeleton.size()) - 3, 2, 2));
    BodyAttributes attributes;
    attributes.bgcolor = colorAttribute("bgcolor", 0x00FF00);
    attributes.text = colorAttribute("text", 0);
    const QString written = bodyTag(attributes);
    writeSeed("bodytag", "written-tag-with-text",
              bodyInput(QStringLiteral("<html>\n") + written + QStringLiteral("Text\n</html>"), 12,
                        3, 0));
    writeSeed("bodytag", "tag-over-lines",
              bodyInput(QStringLiteral("x <BODY\nbgcolor=red\n>y\nz"), 4, 10, 2));
    writeSeed("bodytag", "unclosed-before-tag",
              bodyInput(QStringLiteral("<body <p>a</p>\n<body>"), 2, 0, 1));
    writeSeed("bodytag", "no-body", bodyInput(QStringLiteral("<p>Absatz</p>\r\n"), 3, 4, 0));
}

const SeedTopic tagMatcherTopic(tagMatcherSeeds);
const SeedTopic bodyTagTopic(bodyTagSeeds);

} // namespace
