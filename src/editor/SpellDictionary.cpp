// SpellDictionary: the installed Hunspell dictionaries, the personal word list and the words
// ignored for the run, shared by every document.
#include "editor/SpellDictionary.h"

#include "editor/ViewSwitches.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/UserError.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>
#include <hunspell.hxx>

namespace
{

std::unique_ptr<Hunspell> openDictionary(const QString& base)
{
    return std::make_unique<Hunspell>(QFile::encodeName(base + QStringLiteral(".aff")).constData(),
                                      QFile::encodeName(base + QStringLiteral(".dic")).constData());
}

QStringList& searchPathOverride()
{
    static QStringList paths;
    return paths;
}

QStringList searchPaths()
{
    if (!searchPathOverride().isEmpty())
        return searchPathOverride();
    QStringList paths;
    const QString fromEnvironment = qEnvironmentVariable("DICPATH");
    if (!fromEnvironment.isEmpty())
        paths += fromEnvironment.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    paths << programDirectory() + QStringLiteral("/dictionaries")
          << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/local/share/hunspell")
          << QStringLiteral("/usr/share/myspell") << QStringLiteral("/usr/share/myspell/dicts");
    return paths;
}

// Where a language's two files are, the .aff file's path without its extension.
QString dictionaryBase(const QString& language)
{
    for (const QString& folder : searchPaths()) {
        const QString base = folder + u'/' + language;
        if (QFileInfo(base + QStringLiteral(".aff")).isFile() &&
            QFileInfo(base + QStringLiteral(".dic")).isFile())
            return base;
    }
    return {};
}

// Hunspell names encodings its own way ("ISO8859-1"); Qt wants "ISO-8859-1".
QByteArray qtEncodingName(const char* hunspellName)
{
    QByteArray name = QByteArray(hunspellName).trimmed().toUpper();
    if (name.startsWith("ISO8859"))
        name.insert(3, '-');
    if (name.startsWith("MICROSOFT-CP"))
        name = "windows-" + name.mid(12);
    return name.isEmpty() ? QByteArray("UTF-8") : name;
}

} // namespace

SpellDictionary& SpellDictionary::instance()
{
    static SpellDictionary* dictionary = [] {
        auto* created = new SpellDictionary;
        // Lives as long as the application; Qt deletes it with the application object.
        if (QCoreApplication::instance())
            created->setParent(QCoreApplication::instance());
        return created;
    }();
    return *dictionary;
}

SpellDictionary::SpellDictionary()
{
    connect(&ViewSwitches::instance(), &ViewSwitches::changed, this, [this] {
        const QString before = m_language;
        m_languageKnown = false;
        if (language() != before)
            emit wordsChanged();
    });
}

SpellDictionary::~SpellDictionary() = default;

void SpellDictionary::setSearchPaths(const QStringList& paths)
{
    searchPathOverride() = paths;
    instance().reset();
}

QStringList SpellDictionary::installedLanguages()
{
    if (m_languagesKnown)
        return m_languages;
    m_languagesKnown = true;
    m_languages.clear();
    // Languages that are links to another's files (de_BE to de_DE) are offered once.
    QHash<QString, QString> byFile;
    for (const QString& folder : searchPaths()) {
        const QDir dir(folder);
        for (const QFileInfo& aff :
             dir.entryInfoList({QStringLiteral("*.aff")}, QDir::Files, QDir::Name)) {
            const QString language = aff.completeBaseName();
            const QFileInfo dic(dir.filePath(language + QStringLiteral(".dic")));
            if (!dic.isFile() || m_languages.contains(language) || language.isEmpty())
                continue;
            const QString file = dic.canonicalFilePath();
            const QString earlier = byFile.value(file);
            if (!earlier.isEmpty()) {
                if (!dic.isSymLink() && earlier != language) {
                    m_languages.replace(m_languages.indexOf(earlier), language);
                    byFile.insert(file, language);
                }
                continue;
            }
            byFile.insert(file, language);
            m_languages.append(language);
        }
    }
    m_languages.sort();
    return m_languages;
}

QString SpellDictionary::language()
{
    if (m_languageKnown)
        return m_language;
    m_languageKnown = true;
    const QStringList installed = installedLanguages();
    const QString chosen = ViewSwitches::spellLanguage();
    if (installed.contains(chosen))
        m_language = chosen;
    else if (installed.contains(QStringLiteral("de_DE")))
        m_language = QStringLiteral("de_DE");
    else
        m_language = installed.value(0);
    return m_language;
}

void SpellDictionary::preload()
{
    const QString wanted = language();
    const QString base = wanted.isEmpty() ? QString() : dictionaryBase(wanted);
    if (base.isEmpty() || m_hunspell || m_preloaded.valid())
        return;
    m_preloading = base;
    m_preloaded = std::async(std::launch::async, openDictionary, base);
}

bool SpellDictionary::load()
{
    const QString wanted = language();
    if (wanted.isEmpty())
        return false;
    if (m_hunspell && m_loaded == wanted)
        return true;
    m_hunspell.reset();
    m_cache.clear();
    const QString base = dictionaryBase(wanted);
    if (base.isEmpty())
        return false;
    if (m_preloaded.valid() && m_preloading == base)
        m_hunspell = m_preloaded.get();
    else
        m_hunspell = openDictionary(base);
    m_preloaded = {};
    m_loaded = wanted;
    const QByteArray encoding = qtEncodingName(m_hunspell->get_dic_encoding());
    m_encoder = std::make_unique<QStringEncoder>(encoding.constData());
    m_decoder = std::make_unique<QStringDecoder>(encoding.constData());
    if (!m_encoder->isValid() || !m_decoder->isValid()) {
        m_encoder = std::make_unique<QStringEncoder>(QStringConverter::Utf8);
        m_decoder = std::make_unique<QStringDecoder>(QStringConverter::Utf8);
    }
    loadPersonalList();
    bool ok = false;
    for (const QString& word : std::as_const(m_personal)) {
        const std::string bytes = encoded(word, &ok);
        if (ok)
            m_hunspell->add(bytes);
    }
    return true;
}

std::string SpellDictionary::encoded(const QString& word, bool* ok) const
{
    const QByteArray bytes = m_encoder->encode(word);
    // A word the dictionary's character set cannot hold is in no word list of it.
    *ok = !m_encoder->hasError();
    m_encoder->resetState();
    return bytes.toStdString();
}

bool SpellDictionary::isCorrect(const QString& word)
{
    if (word.isEmpty() || !load())
        return true;
    if (const auto it = m_cache.constFind(word); it != m_cache.cend())
        return *it;
    bool correct = false;
    if (m_ignored.contains(word)) {
        correct = true;
    } else if (word.size() <= MaxWordLength) {
        bool ok = false;
        const std::string bytes = encoded(word, &ok);
        correct = ok && m_hunspell->spell(bytes);
    }
    // A bounded cache: a page of many different words starts it afresh now and then.
    if (m_cache.size() > 200000)
        m_cache.clear();
    m_cache.insert(word, correct);
    return correct;
}

QStringList SpellDictionary::suggestions(const QString& word, int most)
{
    if (word.isEmpty() || word.size() > MaxSuggestedLength || !load())
        return {};
    bool ok = false;
    const std::string bytes = encoded(word, &ok);
    if (!ok)
        return {};
    QStringList found;
    for (const std::string& suggestion : m_hunspell->suggest(bytes)) {
        const QString text =
            m_decoder->decode(QByteArrayView(suggestion.data(), qsizetype(suggestion.size())));
        m_decoder->resetState();
        if (!text.isEmpty() && !found.contains(text))
            found.append(text);
        if (found.size() >= most)
            break;
    }
    return found;
}

void SpellDictionary::ignore(const QString& word)
{
    if (word.isEmpty() || m_ignored.contains(word))
        return;
    m_ignored.insert(word);
    m_cache.remove(word);
    emit wordsChanged();
}

void SpellDictionary::addToPersonalList(const QString& word)
{
    if (word.isEmpty())
        return;
    loadPersonalList();
    if (!m_personal.contains(word)) {
        m_personal.append(word);
        if (m_hunspell) {
            bool ok = false;
            const std::string bytes = encoded(word, &ok);
            if (ok)
                m_hunspell->add(bytes);
        }
    }
    m_ignored.insert(word);
    m_cache.remove(word);
    emit wordsChanged();
    if (m_personalBroken) {
        QMessageBox::information(
            QApplication::activeWindow(), QStringLiteral("Hinweis"),
            QStringLiteral(
                "Die persönliche Wortliste %1 wird nicht überschrieben, weil sie nicht "
                "gelesen werden konnte. \"%2\" gilt nur bis zum Programmende als richtig.")
                .arg(QDir::toNativeSeparators(personalListPath()), word));
        return;
    }
    const QString path = personalListPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFileAtomically(path, (m_personal.join(u'\n') + u'\n').toUtf8());
}

QString SpellDictionary::personalListPath()
{
    return userDataDirectory() + QStringLiteral("/Woerterbuch.txt");
}

void SpellDictionary::loadPersonalList()
{
    if (m_personalLoaded)
        return;
    m_personalLoaded = true;
    m_personal.clear();
    m_personalBroken = false;
    const QString path = personalListPath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    QByteArray bytes;
    try {
        bytes = readWholeFile(path, MaxPersonalListBytes);
    } catch (const UserError& error) {
        reportBadList(error.text());
        return;
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        reportBadList(QStringLiteral("Die Datei %1 ist keine Textdatei in UTF-8.")
                          .arg(QDir::toNativeSeparators(path)));
        return;
    }
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (!line.isEmpty() && line.size() <= MaxWordLength && !m_personal.contains(line))
            m_personal.append(line);
    }
}

void SpellDictionary::reportBadList(const QString& reason)
{
    m_personalBroken = true;
    if (m_reported)
        return;
    m_reported = true;
    // The list is read while the text is drawn: the message waits for the event loop.
    const QString text = reason + QStringLiteral("\nDie persönliche Wortliste für die "
                                                 "Rechtschreibprüfung bleibt unbeachtet.");
    QTimer::singleShot(0, this, [text] {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Fehler"), text);
    });
}

void SpellDictionary::reset()
{
    m_languagesKnown = false;
    m_languageKnown = false;
    m_language.clear();
    m_loaded.clear();
    m_preloaded = {};
    m_preloading.clear();
    m_hunspell.reset();
    m_cache.clear();
    m_ignored.clear();
    m_personal.clear();
    m_personalLoaded = false;
    m_personalBroken = false;
    m_reported = false;
    emit wordsChanged();
}
