// The help pages: topic numbers with their titles, and the page text behind each help address.
#include "app/HelpTopics.h"

#include "app/FrameTables.h"
#include "editor/DocumentMenus.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QList>
#include <QLocale>
#include <algorithm>

// The pages live in a static library, where nothing else would pull their resource in.
static void loadHelpResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace
{

// Adding a topic: one row here and a page file resources/help/<number>.html listed in help.qrc.
const HelpTopic topics[] = {
    {100, "Das Hauptfenster"},
    {200, "Das Dokumentfenster"},
    {301, "Ausführungsbutton"},
    {302, "Auswahlliste"},
    {304, "Radiobutton und Checkbutton"},
    {305, "Eingabefelder"},
    {306, "Einstellungen"},
    {307, "Grundgerüst Formular"},
    {308, "Grundgerüst einer Seite"},
    {309, "Hintergrundeinstellungen"},
    {310, "Hintergrundfarbe schnell"},
    {311, "Hintergrundmusik"},
    {313, "Inline Image"},
    {314, "Listen"},
    {317, "Tabellen"},
    {319, "Farbauswahl"},
    {321, "Verweise"},
    {324, "Plugin Tags"},
    {325, "URL Liste"},
    {326, "Base Target und Target"},
    {327, "Frameset und Frame"},
    {328, "Embed: Multimediadateien einbinden"},
    {329, "Lauftext (Marquee)"},
    {330, "Meta Information"},
    {331, "Schriftart"},
    {332, "Alle Schrifteinstellungen"},
    {333, "Tool hinzufügen oder bearbeiten"},
    {340, "Seite prüfen"},
    {341, "In Dateien suchen"},
    {500, "Eine kleine Einführung in HTML"},
    {501, "Tastatur", &keyboardTableHtml},
    {600, "Tipps zur Arbeit mit Tessaline"},
};

const QString ContentsName = QStringLiteral("inhalt");
const QString IndexName = QStringLiteral("index");
const QString Marker = QStringLiteral("<!--GENERATED-->");

QString readPage(const QString& baseName)
{
    loadHelpResources();
    QFile file(QStringLiteral(":/help/") + baseName + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString withGenerated(QString page, const QString& generated)
{
    page.replace(Marker, generated);
    return page;
}

QString missingPage(const QString& what)
{
    return QStringLiteral("<html><head><title>Keine Hilfeseite</title></head><body>"
                          "<h1>%1</h1><p>Zu diesem Thema gibt es noch keine Hilfeseite.</p>"
                          "<p><a href=\"inhalt.html\">Zum Inhalt der Hilfe</a></p></body></html>")
        .arg(what.toHtmlEscaped());
}

QString contentsList()
{
    QString html = QStringLiteral("<ul>\n");
    for (const HelpTopic& topic : topics)
        html += QStringLiteral("<li><a href=\"%1.html\">%2</a></li>\n")
                    .arg(topic.number)
                    .arg(QString::fromUtf8(topic.title).toHtmlEscaped());
    return html + QStringLiteral("</ul>\n");
}

QString indexPage()
{
    QString html = QStringLiteral("<html><head><title>Index</title></head><body><h1>Index</h1>\n"
                                  "<ul>\n");
    for (const HelpTopic& topic : helpTopicsByTitle())
        html += QStringLiteral("<li><a href=\"%1.html\">%2</a></li>\n")
                    .arg(topic.number)
                    .arg(QString::fromUtf8(topic.title).toHtmlEscaped());
    return html + QStringLiteral("</ul></body></html>\n");
}

// "&Datei" reads "Datei"; "&&" stands for one ampersand.
QString withoutMnemonic(const char* caption)
{
    const QString text = QString::fromUtf8(caption);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text.at(i);
    }
    return plain;
}

struct KeyEntry {
    QString key, command, menus;
};

// Walks one menu's rows; submenus add their caption to the menu path.
template <class Target>
void collectKeys(std::span<const MenuRow<Target>> rows, const QString& menu, QList<KeyEntry>& out)
{
    QStringList path{menu};
    for (const MenuRow<Target>& row : rows) {
        if (row.kind == MenuRow<Target>::Submenu) {
            path.append(withoutMnemonic(row.caption));
        } else if (row.kind == MenuRow<Target>::End) {
            if (path.size() > 1)
                path.removeLast();
        } else if (row.kind == MenuRow<Target>::Item && *row.shortcut) {
            const QString key =
                QKeySequence(QString::fromLatin1(row.shortcut)).toString(QKeySequence::NativeText);
            const QString command = withoutMnemonic(row.caption);
            const QString where = path.join(QStringLiteral(" › "));
            // Each key has one command; the context menu only repeats items of the menu bar
            // (under captions of its own), so one row names both places.
            auto same = std::find_if(out.begin(), out.end(),
                                     [&](const KeyEntry& e) { return e.key == key; });
            if (same == out.end())
                out.append({key, command, where});
            else if (!same->menus.split(QStringLiteral(", ")).contains(where))
                same->menus += QStringLiteral(", ") + where;
        }
    }
}

} // namespace

std::span<const HelpTopic> helpTopics()
{
    return topics;
}

QString helpTopicTitle(int number)
{
    for (const HelpTopic& topic : topics)
        if (topic.number == number)
            return QString::fromUtf8(topic.title);
    return {};
}

QUrl helpContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/inhalt.html"));
}

QUrl helpTopicUrl(int number)
{
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(number));
}

QUrl helpIndexUrl()
{
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(IndexName));
}

int helpTopicOf(const QUrl& url)
{
    if (!isHelpPageUrl(url))
        return -1;
    bool isNumber = false;
    const int number = QFileInfo(url.path()).completeBaseName().toInt(&isNumber);
    return isNumber ? number : -1;
}

QList<HelpTopic> helpTopicsByTitle()
{
    QList<HelpTopic> sorted(std::begin(topics), std::end(topics));
    const QCollator collator{QLocale(QLocale::German)};
    std::sort(sorted.begin(), sorted.end(), [&](const HelpTopic& a, const HelpTopic& b) {
        return collator.compare(QString::fromUtf8(a.title), QString::fromUtf8(b.title)) < 0;
    });
    return sorted;
}

bool isHelpPageUrl(const QUrl& url)
{
    return url.scheme() == QLatin1String("qrc") && url.path().startsWith(QLatin1String("/help/")) &&
           url.path().endsWith(QLatin1String(".html"));
}

QString helpPageHtml(const QUrl& url)
{
    const QString name = QFileInfo(url.path()).completeBaseName();
    if (name == ContentsName)
        return withGenerated(readPage(ContentsName), contentsList());
    if (name == IndexName)
        return indexPage();
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (!isNumber)
        return missingPage(name);
    for (const HelpTopic& topic : topics) {
        if (topic.number != number)
            continue;
        const QString page = readPage(name);
        if (page.isEmpty())
            break;
        return topic.generate ? withGenerated(page, topic.generate()) : page;
    }
    return missingPage(QStringLiteral("Thema %1").arg(number));
}

QString keyboardTableHtml()
{
    QList<KeyEntry> entries;
    for (const TopMenuSpec& menu : topMenuSpecs())
        collectKeys(menu.rows, withoutMnemonic(menu.caption), entries);
    for (const ChildMenu& menu : childMenus())
        collectKeys(menu.rows, withoutMnemonic(menu.caption), entries);
    collectKeys(memoPopUpRows(), QStringLiteral("Kontextmenü des Dokuments"), entries);
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                                  "<tr><th>Taste</th><th>Befehl</th><th>Menü</th></tr>\n");
    for (const KeyEntry& e : entries)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(e.key.toHtmlEscaped(), e.command.toHtmlEscaped(), e.menus.toHtmlEscaped());
    return html + QStringLiteral("</table>\n");
}
