// Seeds of the page-check fuzz target: pages our generators write, with the faults the check
// reports put into them, in every line-end kind.
#include "PageCheckInput.h"
#include "SeedWriter.h"

#include "generators/PageSkeleton.h"
#include "references/LinkDialog.h"

#include <QStringList>

namespace
{

using namespace PageCheckInput;

void pageCheckSeeds()
{
    SkeletonValues skeleton;
    skeleton.docTypeLine = QStringLiteral("<!DOCTYPE html>");
    skeleton.titleLine = titleLineFor(QStringLiteral("Grüße"));
    LinkValues local;
    local.path = QStringLiteral("bilder/");
    local.file = QStringLiteral("b.gif");
    LinkValues anchored;
    anchored.file = QStringLiteral("a.htm");
    anchored.anchor = QStringLiteral("x");
    LinkValues missing;
    missing.file = QStringLiteral("fehlt%20hier.htm");
    missing.anchor = QStringLiteral("z");
    const QString body = linkStartTag(local) + QStringLiteral("Bild</a>\r\n") +
                         linkStartTag(anchored) + QStringLiteral("Anker</a>\r\n") +
                         linkStartTag(missing) + QStringLiteral("fehlt</a>\r\n") +
                         QStringLiteral("<p>Text <b>fett</p>\r\n<img src=\"bilder/b.gif\">\r\n"
                                        "<a href=\"#oben\" id=\"oben\">&bogus; &amp</a>\r\n"
                                        "<p align><foo>\u00e4\U0001F600</foo></i>\r\n");
    const QString page = skeletonAround(skeleton, body);
    writeSeed(QStringLiteral("pagecheck"), QStringLiteral("page-in-folder.htm"),
              encode(page, InFolder | (1 << 2)));
    writeSeed(QStringLiteral("pagecheck"), QStringLiteral("page-untitled-lf.htm"),
              encode(page, 1 << 4));
    const QString declared = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>t</title>"
                                            "</head><body><p>\u00e4</p></body></html>");
    writeSeed(QStringLiteral("pagecheck"), QStringLiteral("charset-1252.htm"),
              encode(declared, 3 << 2 | 2 << 4));
    writeSeed(QStringLiteral("pagecheck"), QStringLiteral("nested.htm"),
              encode(QStringLiteral("<table><tr><td>").repeated(200) +
                         QStringLiteral("<div><span>").repeated(200),
                     3 << 4));
    writeSeed(QStringLiteral("pagecheck"), QStringLiteral("script-and-comments.htm"),
              encode(QStringLiteral("<!-- <a href=\"#no\"> --><script>if (a<b) x='<img>';"
                                    "</script>\r<style>p{}</style><?x?><!DOCTYPE x>"),
                     InFolder));
}

const SeedTopic pageCheck(pageCheckSeeds);

} // namespace
