// Tests of the name lists: one entry per font family, whatever foundries make it.
#include "support/TestSupport.h"
#include "widgets/NameLists.h"

#include <QSet>

class TstNameLists : public QObject
{
    Q_OBJECT
private slots:
    void fontFamiliesWithoutFoundries_data();
    void fontFamiliesWithoutFoundries();
};

void TstNameLists::fontFamiliesWithoutFoundries_data()
{
    QTest::addColumn<QStringList>("database");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("foundries") << QStringList{"C059 [UKWN]", "C059 [urw]", "Arial"}
                               << QStringList{"Arial", "C059"};
    QTest::newRow("plain and foundry")
        << QStringList{"DejaVu Sans", "DejaVu Sans [PfEd]"} << QStringList{"DejaVu Sans"};
    QTest::newRow("brackets inside a name")
        << QStringList{"Foo [Bar] Baz", "[Klammer]"} << QStringList{"[Klammer]", "Foo [Bar] Baz"};
    QTest::newRow("case order") << QStringList{"b [x]", "a", "B"} << QStringList{"a", "B", "b"};
}

void TstNameLists::fontFamiliesWithoutFoundries()
{
    QFETCH(QStringList, database);
    QFETCH(QStringList, listed);
    QCOMPARE(NameLists::familyNames(database), listed);
    // The installed list holds no foundry and no family twice.
    const QStringList installed = NameLists::installedFontFamilies();
    for (const QString& family : installed)
        QVERIFY2(!family.endsWith(QLatin1Char(']')), qPrintable(family));
    QCOMPARE(QSet<QString>(installed.begin(), installed.end()).size(), installed.size());
}

TESSALINE_TEST_MAIN(TstNameLists)
#include "tst_namelists.moc"
