// Tests of the base reference and the meta information: markup and commands.
#include "generators/DocumentFixture.h"
#include "generators/Meta.h"
#include "widgets/InputBox.h"

class TestMeta : public QObject
{
    Q_OBJECT
private slots:
    void baseReference_data();
    void baseReference();
};

void TestMeta::baseReference_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("URL") << "http://www.example.de/"
                         << "OKButton"
                         << "vor<base href=\"http://www.example.de/\">";
    QTest::newRow("empty answer writes nothing") << ""
                                                 << "OKButton"
                                                 << "vor";
    QTest::newRow("Abbrechen writes nothing") << "http://x/"
                                              << "CancelButton"
                                              << "vor";
}

void TestMeta::baseReference()
{
    QFETCH(QString, answer);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(QStringLiteral("vor"));
    QString caption, prompt;
    answerDialog<TInputBox>(
        [&](TInputBox* box) {
            caption = box->windowTitle();
            prompt = box->promptLabel()->text();
            box->field()->setText(answer);
        },
        button);
    doc.trigger("Basereferenz1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, QStringLiteral("Basereferenz"));
    QCOMPARE(prompt, QStringLiteral("Geben Sie hier die URL an."));
    QCOMPARE(doc.memo->text(), expected);
}

TESSALINE_TEST_MAIN(TestMeta)
#include "tst_meta.moc"
