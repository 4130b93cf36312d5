// Tests of matching tags: partners of nested and commented tags in both directions, carets
// outside names, and the search bound in the text control.
#include "editor/TagMatcher.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTextCursor>

class TstTagMatcher : public QObject
{
    Q_OBJECT
private slots:
    void partner_data();
    void partner();
    void boundedSearch();
    void controlMarksBothNames();
    void commentsAndValuesOfEarlierLines();
};

void TstTagMatcher::partner_data()
{
    // The caret stands at the '|', which is taken out; '^' marks the expected partner's name.
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("atTag");

    QTest::newRow("opening finds closing") << "<d|iv>a</^div>" << true;
    QTest::newRow("caret behind the name") << "<div|>a</^div>" << true;
    QTest::newRow("closing finds opening") << "<^div>a</di|v>" << true;
    QTest::newRow("nesting counted forward") << "<d|iv><div><div></div></div>x</^div>" << true;
    QTest::newRow("nesting counted backward") << "<^ul><li><ul></ul></li></u|l>" << true;
    QTest::newRow("any case") << "<TAB|LE></^table>" << true;
    QTest::newRow("longer names are others") << "<b|><br><body></body></^b>" << true;
    QTest::newRow("comments skipped forward") << "<p|><!-- </p> --></^p>" << true;
    QTest::newRow("comments skipped backward") << "<^p><!-- <p> --></p|>" << true;
    QTest::newRow("attributes between") << "<a| href=\"x\">y</^a>" << true;
    QTest::newRow("across lines") << "<div|>\r\n <p>x</p>\r\n</^div>" << true;
    QTest::newRow("no partner") << "<p|>text" << true;
    QTest::newRow("element without closing tag") << "<b|r>text</br>" << false;
    QTest::newRow("tag inside a comment") << "<!-- <d|iv> --></div>" << false;
    QTest::newRow("caret in text") << "<b>te|xt</b>" << false;
    QTest::newRow("caret in attribute") << "<a hr|ef=x></a>" << false;
    QTest::newRow("not a tag") << "a <3| b" << false;
    // Comments and quoted values read the same way in both directions.
    QTest::newRow("lone comment end, forward") << "<b|>Start --> Ziel</^b>" << true;
    QTest::newRow("lone comment end, backward") << "<^b>Start --> Ziel</b|>" << true;
    QTest::newRow("comment opened twice, forward") << "<b|><!-- <b> <!-- --></^b>" << true;
    QTest::newRow("comment opened twice, backward") << "<^b><!-- <b> <!-- --></b|>" << true;
    QTest::newRow("<!--> opens a comment, forward") << "<b|><!--></b>" << true;
    QTest::newRow("<!--> opens a comment, backward") << "<b><!--></b|>" << false;
    QTest::newRow("<!--> closed later, forward") << "<b|><!--></b>--></^b>" << true;
    QTest::newRow("<!--> closed later, backward") << "<^b><!--></b>--></b|>" << true;
    QTest::newRow("tag in a quoted value, forward") << "<p| title=\"</p>\">x</^p>" << true;
    QTest::newRow("tag in a quoted value, backward") << "<^p title=\"</p>\">x</p|>" << true;
    QTest::newRow("tag in a single-quoted value") << "<^p title='<p>'>x</p|>" << true;
    QTest::newRow("caret in a quoted value") << "<p title=\"</p|>\">x</p>" << false;
    QTest::newRow("declaration hides a tag") << "<^p><!DOCTYPE </p>></p|>" << true;
}

void TstTagMatcher::partner()
{
    QFETCH(QString, text);
    QFETCH(bool, atTag);
    const qsizetype caret = text.indexOf(u'|');
    text.remove(caret, 1);
    const qsizetype expected = text.indexOf(u'^');
    if (expected >= 0)
        text.remove(expected, 1);
    const bool shifted = expected >= 0 && expected < caret;
    const TagMatch::Match match = TagMatch::find(text, shifted ? caret - 1 : caret);
    QCOMPARE(match.atTag(), atTag);
    QCOMPARE(match.partnerStart, expected);
    if (!match.found())
        return;
    QCOMPARE(match.partnerLength, match.nameLength);
    // The partner's partner is the tag itself.
    const TagMatch::Match back = TagMatch::find(text, match.partnerStart);
    QCOMPARE(back.partnerStart, match.nameStart);

    // The text control marks the same two names.
    if (text.contains(u'\n'))
        return;
    TestEnvironment env;
    TExtRich edit;
    edit.loadText(text);
    edit.setSelStart(int(shifted ? caret - 1 : caret));
    const auto marks = edit.extraSelections();
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks.at(0).cursor.selectionStart(), int(match.nameStart));
    QCOMPARE(marks.at(1).cursor.selectionStart(), int(expected));
}

void TstTagMatcher::boundedSearch()
{
    const QString filler(1000, u'x');
    QString near = QStringLiteral("<div>");
    while (near.size() < TagMatch::SearchLimit - 2000)
        near += filler;
    const qsizetype nearPartner = near.size() + 2;
    QCOMPARE(TagMatch::find(near + QStringLiteral("</div>"), 2).partnerStart, nearPartner);

    QString far = near;
    while (far.size() < TagMatch::SearchLimit + 2000)
        far += filler;
    const TagMatch::Match forward = TagMatch::find(far + QStringLiteral("</div>"), 2);
    QVERIFY(forward.atTag());
    QVERIFY(!forward.found());
    const QString backwardText = QStringLiteral("<div>") + far + QStringLiteral("</div>");
    QVERIFY(!TagMatch::find(backwardText, backwardText.size() - 2).found());
    // A small limit bounds it as well.
    QVERIFY(!TagMatch::find(QStringLiteral("<b>0123456789</b>"), 1, 5).found());
    QVERIFY(TagMatch::find(QStringLiteral("<b>0123456789</b>"), 1, 20).found());
}

void TstTagMatcher::controlMarksBothNames()
{
    TestEnvironment env;
    TExtRich edit;
    QString middle;
    while (middle.size() < 200000)
        middle += QStringLiteral("<p>Absatz</p>\n");
    edit.loadText(QStringLiteral("<body>\n") + middle + QStringLiteral("</body>\n<i>x</i>"));
    auto* matcher = edit.findChild<TagMatcher*>();
    QVERIFY(matcher);
    // The partner 200 000 characters away is marked once the caret has rested.
    edit.setSelStart(3);
    QVERIFY(edit.extraSelections().isEmpty());
    QTRY_COMPARE(edit.extraSelections().size(), 2);
    auto selections = edit.extraSelections();
    QCOMPARE(selections.at(0).cursor.selectedText(), QStringLiteral("body"));
    QCOMPARE(selections.at(1).cursor.selectedText(), QStringLiteral("body"));
    QVERIFY(selections.at(1).cursor.position() > 200000);

    // Leaving the name takes the marks away.
    edit.setSelStart(8);
    QVERIFY(edit.extraSelections().isEmpty());
    // A near partner is marked at once.
    edit.setSelStart(edit.textLength() - 2);
    selections = edit.extraSelections();
    QCOMPARE(selections.size(), 2);
    QCOMPARE(selections.at(1).cursor.selectedText(), QStringLiteral("i"));
}

void TstTagMatcher::commentsAndValuesOfEarlierLines()
{
    TestEnvironment env;
    TExtRich edit;
    edit.resize(600, 400);
    QString text = QStringLiteral("<!-- Anfang\n");
    // More than is read at once, so only the colouring's states can tell.
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("Zeile ohne Ende des Kommentars\n");
    const int inComment = int(text.size()) + 2;
    text +=
        QStringLiteral("<div>x</div> -->\n<a title=\"eins\n<b>zwei</b>\">y</a>\n<div>z</div>\n");
    edit.loadText(text);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    const auto placeCaret = [&edit](qsizetype pos) {
        QTextCursor caret(edit.document());
        caret.setPosition(int(pos));
        edit.setTextCursor(caret);
    };
    // The comment opened 1000 lines above holds this tag.
    placeCaret(inComment);
    QCoreApplication::processEvents();
    QTest::qWait(TagMatcher::RestMs * 2);
    QVERIFY(edit.extraSelections().isEmpty());
    // A tag written inside a quoted value begun a line above is text as well.
    placeCaret(text.indexOf(QStringLiteral("<b>")) + 1);
    QTest::qWait(TagMatcher::RestMs * 2);
    QVERIFY(edit.extraSelections().isEmpty());
    // Behind both, tags match again.
    placeCaret(text.lastIndexOf(QStringLiteral("<div>")) + 2);
    QCOMPARE(edit.extraSelections().size(), 2);
}

TESSALINE_TEST_MAIN(TstTagMatcher)
#include "tst_tagmatcher.moc"
