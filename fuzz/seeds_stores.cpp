// Seeds of the remembered-list and colour-scheme targets: stores as a fresh installation and the
// dialogs' own insertions leave them, and the garbled counts that once lost new entries.
#include "SeedWriter.h"
#include "StoreInput.h"

#include "app/InstallSeeds.h"
#include "references/ColorSchemes.h"
#include "references/RememberedList.h"

#include <QTemporaryDir>

namespace
{

const QStringList Lists{QStringLiteral("Link"), QStringLiteral("Target"),
                        QStringLiteral("InlineImage"), QStringLiteral("BackPicture")};

// A private, empty store for the next seed; the user's own settings are never touched.
void useEmptyStore()
{
    static QTemporaryDir* dir = new QTemporaryDir;
    static int n = 0;
    SettingsStore::useFile(dir->filePath(QStringLiteral("store%1.ini").arg(n++)));
}

QByteArray listsText()
{
    const SettingsStore store;
    QStringList present;
    for (const QString& list : Lists)
        if (store.hasSection(list))
            present << list;
    return storeInputText(store, present);
}

QByteArray schemesText()
{
    QByteArray text;
    {
        const SettingsStore store;
        text = storeInputText(store, {QStringLiteral("BackPicture")});
    }
    const SettingsStore schemes(SettingsStore::Key::Settings, QStringLiteral("BackPicture"));
    return text + storeInputText(schemes, schemes.sections());
}

// The text lines the targets take for the entry they add.
QByteArray entryTexts(const QStringList& texts)
{
    QByteArray bytes;
    for (const QString& text : texts)
        bytes += escapedStoreText(text, true).toUtf8() + '\n';
    return bytes;
}

void writeValues(const QString& section, const QStringList& pairs)
{
    SettingsStore store;
    for (const QString& pair : pairs)
        store.writeString(section, pair.section(u'=', 0, 0), pair.section(u'=', 1));
}

void rememberedListSeeds()
{
    const QByteArray newLink = entryTexts({QStringLiteral("neu.htm"), QStringLiteral("docs/")});
    useEmptyStore();
    {
        SettingsStore store;
        seedMissingValues(store);
    }
    writeSeed("rememberedlist", "fresh-install", listsText() + newLink);

    // The dialogs' insertions, up to a full link list that has dropped its oldest entries.
    {
        SettingsStore store;
        store.writeInteger(QStringLiteral("Link"), QStringLiteral("MaxCount"), 3);
    }
    for (int i = 0; i < 5; ++i) {
        const RememberedList& links = RememberedList::link();
        links.insert(int(links.entries().size()),
                     {{QStringLiteral("Datei"), QStringLiteral("seite%1.htm").arg(i)},
                      {QStringLiteral("Pfad"), QStringLiteral("file://localhost/web/")},
                      {QStringLiteral("Link"), QStringLiteral("1")},
                      {QStringLiteral("Alt"), QStringLiteral("Grüße = \"Bild\"\nzwei")}});
    }
    const RememberedList& targets = RememberedList::target();
    targets.insert(int(targets.entries().size()),
                   {{QStringLiteral("T"), QStringLiteral("rechts")}});
    const RememberedList& images = RememberedList::inlineImage();
    images.insert(int(images.entries().size()), {{QStringLiteral("Bild"), QStringLiteral("a.gif")},
                                                 {QStringLiteral("width"), QStringLiteral("10")}});
    const RememberedList& backs = RememberedList::backPicture();
    backs.insert(int(backs.entries().size()),
                 {{QStringLiteral("Bild"), QStringLiteral("wolken.jpg")},
                  {QStringLiteral("Prop"), QStringLiteral("1")}});
    writeSeed("rememberedlist", "full-link-list", listsText() + newLink);

    // Counts far beyond what any list reads: the insertion once wrote where no reader looked.
    struct Garbled {
        const char* name;
        QStringList values;
    };
    for (const Garbled& g :
         {Garbled{"count-maxcount-1e9", {"Count=1000000000", "MaxCount=1000000000"}},
          Garbled{"count-maxcount-int-max", {"Count=2147483647", "MaxCount=0x7FFFFFFF"}},
          Garbled{"maxcount-past-bound", {"Count=999", "MaxCount=1001"}},
          Garbled{"counts-negative-garbled", {"Count=-5", "MaxCount=abc"}}}) {
        useEmptyStore();
        writeValues(QStringLiteral("Link"), g.values + QStringList{QStringLiteral("Datei0=a.htm"),
                                                                   QStringLiteral("Datei1=b.htm")});
        writeValues(QStringLiteral("Target"), g.values + QStringList{QStringLiteral("T0=_blank")});
        writeSeed("rememberedlist", QString::fromLatin1(g.name), listsText() + newLink);
    }
}

void colorSchemeSeeds()
{
    // Name, then five colour texts: the new scheme the target saves.
    const QByteArray newScheme = entryTexts(
        {QStringLiteral("Neu"), QStringLiteral("clWhite"), QStringLiteral("$000000FF"),
         QStringLiteral("clNone"), QStringLiteral("clWindowText"), QStringLiteral("-2147483640")});
    useEmptyStore();
    writeSeed("colorschemes", "empty", newScheme);

    // As the background dialog saves them: colours first, then the name.
    SchemaStore::write(QStringLiteral("Rot/Blau"), {0x0000FF, 0xFF0000, 0x80000008, 0x1FFFFFFF, 0});
    SchemaStore::addName(QStringLiteral("Rot/Blau"));
    SchemaStore::write(QStringLiteral("Nacht"), SchemaStore::defaultColors());
    SchemaStore::addName(QStringLiteral("Nacht"));
    SchemaStore::write(QStringLiteral("Zart"), {0xE6E6FE, 0, 0xFF0000, 0x800080, 0x0000FF});
    SchemaStore::addName(QStringLiteral("Zart"));
    SchemaStore::remove(QStringLiteral("nacht"));
    writeSeed("colorschemes", "saved-and-deleted", schemesText() + newScheme);
    writeSeed("colorschemes", "replace-listed",
              schemesText() + entryTexts({QStringLiteral("zart"), QStringLiteral("clRed")}));

    // Counts that once lost the saved scheme or overflowed.
    for (const char* count : {"2147483647", "1000000000", "999", "-5", "-2147483648"}) {
        useEmptyStore();
        SchemaStore::write(QStringLiteral("Alt"), SchemaStore::defaultColors());
        writeValues(
            QStringLiteral("BackPicture"),
            {QStringLiteral("SName0=Alt"), QStringLiteral("SCount=") + QLatin1String(count)});
        writeSeed("colorschemes", QStringLiteral("scount_%1").arg(QLatin1String(count)),
                  schemesText() + newScheme);
    }
}

const SeedTopic listSeeds(rememberedListSeeds);
const SeedTopic schemeSeeds(colorSchemeSeeds);

} // namespace
