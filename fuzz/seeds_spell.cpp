// Seeds of the spelling word reader's target: pages as the editor's users write them, with
// entities, attributes that are read and not, skipped parts and bad input.
#include "SeedWriter.h"
#include "SpellWordsInput.h"

namespace
{

void seed(const char* name, const QString& text, int firstCut, int secondCut)
{
    writeSeed(QStringLiteral("spellwords"), QString::fromLatin1(name),
              SpellWordsInput::encode(text, std::uint8_t(firstCut), std::uint8_t(secondCut)));
}

const SeedTopic spellSeeds([] {
    seed("entities.bin",
         QStringLiteral("<p>Gr&ouml;&szlig;e, Gr&#246;&#223;e und Gr\u00E4&#xF6;e&nbsp;Sil&shy;be "
                        "Sil<wbr>be</p>"),
         9, 40);
    seed("attributes.bin",
         QStringLiteral(
             "<img alt=\"Ein Bild\" src=x title='Titel hier'>\n<meta name=\"description\" "
             "content=\"Eine Seite\">\n<meta content=\"Worte\" name=keywords>Text"),
         20, 90);
    seed("skipped.bin",
         QStringLiteral("<!DOCTYPE html><!-- Kommentar --><script>var a = '<b>';</script>"
                        "<style>p{}</style >Text http://a.de/b www.c.de d@e.de MP3-Player"),
         30, 70);
    seed("bad-input.bin",
         QStringLiteral("&#xFFFFFFFF;Wort &uuml &foo; Stra\u00DFe\u0430 ") + QString(300, u'x') +
             QStringLiteral(" E-Mail Haupt- und"),
         5, 200);
});

} // namespace
