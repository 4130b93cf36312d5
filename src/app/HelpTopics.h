// The help pages: topic numbers with their titles, and the page text behind each help address.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <span>

struct HelpTopic {
    int number;
    const char* title;
    // Produces the part of the page that follows the tables of the program (inserted where the
    // page file says <!--GENERATED-->); null for pages that are all text.
    QString (*generate)() = nullptr;
};

// Every topic with a page, in contents order. A page file is resources/help/<number>.html.
std::span<const HelpTopic> helpTopics();
// Empty for a number without a page.
QString helpTopicTitle(int number);
// Every topic in the alphabetical order of its title, as the index lists them.
QList<HelpTopic> helpTopicsByTitle();

QUrl helpContentsUrl();
QUrl helpTopicUrl(int number);
// The index page: every topic alphabetically, each a link to its page.
QUrl helpIndexUrl();
// The topic number of a topic page's address, -1 for the contents, the index and other pages.
int helpTopicOf(const QUrl& url);
// Whether url names a help page (qrc:/help/....html).
bool isHelpPageUrl(const QUrl& url);
// The HTML of a help page: the contents, a topic page, or the page that says a topic has none.
QString helpPageHtml(const QUrl& url);

// Table rows (key, command, menu) for every menu item that has a shortcut.
QString keyboardTableHtml();
