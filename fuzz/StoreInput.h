// The settings-store targets' input: INI-like lines that fill a private store, and the writer of
// the same text from a store's sections (for the seeds).
#pragma once

#include "core/SettingsStore.h"

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// "[Section]" starts a section, "Name=Value" is a value in it, any other line is a text the
// target uses for the entry it adds. A backslash escapes the next character ("\n" and "\r" stand
// for the line breaks), so names and values can hold "=", "]" and line breaks.
struct StoreInput {
    struct Value {
        QString section;
        QString name;
        QString value;
    };
    QList<Value> values;
    QStringList texts;
    QStringList sections; // in order of first appearance, the first one included when used
};

// One line read: its name and value (splitting at the first "=" not escaped), or its text.
struct StoreLine {
    QString parts[2];
    bool hasValue = false;
    bool lastEscaped = false;
};

inline StoreLine readStoreLine(QStringView line)
{
    StoreLine read;
    for (qsizetype i = 0; i < line.size(); ++i) {
        QChar c = line.at(i);
        read.lastEscaped = false;
        if (c == u'\\' && i + 1 < line.size()) {
            c = line.at(++i);
            c = c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c;
            read.lastEscaped = true;
        } else if (c == u'=' && !read.hasValue) {
            read.hasValue = true;
            continue;
        }
        read.parts[read.hasValue ? 1 : 0] += c;
    }
    return read;
}

inline StoreInput parseStoreInput(const QByteArray& bytes, const QString& firstSection)
{
    StoreInput input;
    QString section = firstSection;
    auto use = [&input](const QString& s) {
        if (!input.sections.contains(s, Qt::CaseInsensitive))
            input.sections.append(s);
    };
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        const StoreLine read = readStoreLine(line);
        if (!read.hasValue && line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']') &&
            !read.lastEscaped) {
            // The header's text without its brackets; an "=" in it is part of the name.
            const StoreLine name = readStoreLine(QStringView(line).mid(1, line.size() - 2));
            section = name.hasValue ? name.parts[0] + u'=' + name.parts[1] : name.parts[0];
            use(section);
        } else if (read.hasValue) {
            use(section);
            input.values.append({section, read.parts[0], read.parts[1]});
        } else if (!line.isEmpty()) {
            input.texts.append(read.parts[0]);
        }
    }
    return input;
}

inline QString escapedStoreText(const QString& text, bool name)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\\' || (name && (c == u'=' || c == u'[' || c == u']')))
            out += QStringLiteral("\\") + QString(c);
        else
            out += c;
    }
    return out;
}

// The values of the sections as input text, one "[Section]" block each.
inline QByteArray storeInputText(const SettingsStore& store, const QStringList& sections)
{
    QString out;
    for (const QString& section : sections) {
        out += u'[' + escapedStoreText(section, true) + QStringLiteral("]\n");
        for (const QString& name : store.valueNames(section))
            out += escapedStoreText(name, true) + u'=' +
                   escapedStoreText(store.readString(section, name, QString()), false) + u'\n';
    }
    return out.toUtf8();
}

// One private store file for the whole run, emptied before each input; in memory where the
// system offers it, since the store commits every change to disk.
inline void useEmptyStore()
{
    static QTemporaryDir* dir =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? new QTemporaryDir(QStringLiteral("/dev/shm/tessaline-fuzz-XXXXXX"))
            : new QTemporaryDir;
    static const QString file = dir->filePath(QStringLiteral("settings.ini"));
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.clear();
        raw.sync();
    }
    SettingsStore::useFile(file); // also tells every store that what it knew is gone
}
