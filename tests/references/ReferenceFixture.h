// Helpers for the reference dialogs' tests: settings sections as text, file dialog answers.
#pragma once

#include "core/SettingsStore.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <utility>

// A section's values as "Name=value;..." sorted by name, so a whole list compares at once.
inline QString sectionState(const QString& section)
{
    const SettingsStore store;
    QStringList names = store.valueNames(section);
    names.sort(Qt::CaseInsensitive);
    QStringList pairs;
    for (const QString& name : names)
        pairs << name + QLatin1Char('=') + store.readString(section, name, QString());
    return pairs.join(QLatin1Char(';'));
}

// "Name=value;..." pairs in the order sectionState gives them.
inline QString sortedState(const QString& state)
{
    QStringList pairs = state.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    std::sort(pairs.begin(), pairs.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('='), 0, 0)
                   .compare(b.section(QLatin1Char('='), 0, 0), Qt::CaseInsensitive) < 0;
    });
    return pairs.join(QLatin1Char(';'));
}

// Writes "Name=value;..." into a section.
inline void writeState(const QString& section, const QString& state)
{
    SettingsStore store;
    for (const QString& pair : state.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        store.writeString(section, pair.left(eq), pair.mid(eq + 1));
    }
}

// Every list the reference dialogs touch, for "nothing changed" comparisons.
inline QString listsState()
{
    QString all;
    for (const char* section : {"Link", "Target", "InlineImage", "BackPicture"})
        all += QLatin1String(section) + QLatin1Char('{') +
               sectionState(QString::fromLatin1(section)) + QStringLiteral("} ");
    return all;
}

// "key=value" pairs into a dialog's values, through a table of key → field; "external" alone
// switches the mode.
template <class Values>
Values valuesFromPairs(const QStringList& pairs,
                       std::initializer_list<std::pair<const char16_t*, QString Values::*>> fields)
{
    Values v;
    for (const QString& pair : pairs) {
        const QString key = pair.section(u'=', 0, 0);
        if (key == u"external")
            v.external = true;
        for (const auto& [name, field] : fields)
            if (key == QStringView(name))
                v.*field = pair.section(u'=', 1);
    }
    return v;
}

// Picks entry index of a drop-down as a user does: opens the list, moves to the entry with the
// arrow keys and presses Return in the open list.
inline void pickFromOpenList(QComboBox* box, int index)
{
    box->setFocus();
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const auto row = [box](int r) { return box->model()->index(r, box->modelColumn()); };
    view->setCurrentIndex(row(index > 0 ? index - 1 : 0));
    if (index > 0)
        QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentIndex().row(), index);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->isVisible());
    QCOMPARE(box->currentIndex(), index);
}
