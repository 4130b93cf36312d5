// SpellDictionary: the installed Hunspell dictionaries, the personal word list and the words
// ignored for the run, shared by every document.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <future>
#include <memory>

class Hunspell;
class QStringDecoder;
class QStringEncoder;

class SpellDictionary : public QObject
{
    Q_OBJECT
public:
    static SpellDictionary& instance();
    ~SpellDictionary() override;

    // Folders searched for "<language>.aff" and "<language>.dic"; an empty list means the
    // system's (DICPATH first, then where Debian and other systems put them).
    static void setSearchPaths(const QStringList& paths);
    // The installed languages ("de_DE", "en_US"), each dictionary once, sorted.
    QStringList installedLanguages();
    // The language in use: the stored choice when it is installed, else de_DE, else the first
    // installed one; empty without any dictionary.
    QString language();
    bool isAvailable() { return !language().isEmpty(); }
    // Starts reading the dictionary in use on another core, so that the first check of a page
    // does not wait for it.
    void preload();

    // Words longer than this are never in a dictionary; suggestions stop earlier, where
    // Hunspell would take seconds.
    static constexpr int MaxWordLength = 100;
    static constexpr int MaxSuggestedLength = 40;

    bool isCorrect(const QString& word);
    QStringList suggestions(const QString& word, int most = 5);
    // Accepts the word until the program ends.
    void ignore(const QString& word);
    // Accepts the word from now on and keeps it in the personal word list.
    void addToPersonalList(const QString& word);
    // The personal word list: one word per line, UTF-8, in the data directory.
    static QString personalListPath();
    static constexpr qint64 MaxPersonalListBytes = 1024 * 1024;

    // Forgets the dictionaries, the personal list and the ignored words, as a new run of the
    // program would start.
    void reset();

signals:
    // Words count differently now (another language, a word ignored or added): every document
    // checks its words again.
    void wordsChanged();

private:
    SpellDictionary();
    bool load();
    void loadPersonalList();
    void reportBadList(const QString& reason);
    std::string encoded(const QString& word, bool* ok) const;

    QStringList m_languages;
    bool m_languagesKnown = false;
    QString m_language;
    bool m_languageKnown = false;
    QString m_loaded;
    std::unique_ptr<Hunspell> m_hunspell;
    // The dictionary being read by preload(), for the files of m_preloading.
    std::future<std::unique_ptr<Hunspell>> m_preloaded;
    QString m_preloading;
    std::unique_ptr<QStringEncoder> m_encoder;
    std::unique_ptr<QStringDecoder> m_decoder;
    QHash<QString, bool> m_cache;
    QSet<QString> m_ignored;
    QStringList m_personal;
    bool m_personalLoaded = false;
    // The list on disk could not be read: it is never written over.
    bool m_personalBroken = false;
    bool m_reported = false;
};
