// Tests of one Alt+letter per control: dialog buttons give up letters that fields use.
#include "support/TestSupport.h"
#include "widgets/DialogBase.h"
#include "widgets/DialogHelp.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

enum class Kind { Label, LabelWithoutBuddy, CheckBox, PushButton, GroupBox, Tab };

// A dialog with one control of the given kind and caption, besides a field to type into.
class ClashDialog : public TDialog
{
public:
    ClashDialog(Kind kind, const char* caption) : TDialog(DialogEnv{}, QStringLiteral("Probe"), 308)
    {
        field = new QLineEdit(this);
        auto* body = new QFormLayout;
        const QString text = QString::fromUtf8(caption);
        switch (kind) {
        case Kind::Label:
            body->addRow(labelFor(caption, field), field);
            break;
        case Kind::LabelWithoutBuddy:
            body->addRow(new QLabel(text, this), field);
            break;
        case Kind::CheckBox:
            body->addRow(field);
            body->addRow(new QCheckBox(text, this));
            break;
        case Kind::PushButton:
            body->addRow(field);
            body->addRow(new QPushButton(text, this));
            break;
        case Kind::GroupBox: {
            auto* group = new QGroupBox(text, this);
            auto* inner = new QFormLayout(group);
            inner->addRow(field);
            body->addRow(group);
            break;
        }
        case Kind::Tab: {
            auto* tabs = new QTabWidget(this);
            tabs->addTab(field, text);
            body->addRow(tabs);
            break;
        }
        }
        finishLayout(body);
    }
    QLineEdit* field;
};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TstMnemonics : public QObject
{
    Q_OBJECT
private slots:
    void buttonsGiveUpTheFieldsLetters_data();
    void buttonsGiveUpTheFieldsLetters();
    void buttonsYieldOnlyToFieldsShownWithThem();

private:
    TestEnvironment m_env;
};

void TstMnemonics::buttonsGiveUpTheFieldsLetters_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("abbruch");
    QTest::addColumn<QString>("hilfe");
    QTest::addColumn<bool>("altReachesField");

    QTest::newRow("label o") << Kind::Label << "PLZ/&Ort:"
                             << "OK"
                             << "&Abbruch"
                             << "&Hilfe" << true;
    QTest::newRow("label a") << Kind::Label << "&Align:"
                             << "&OK"
                             << "Abbruch"
                             << "&Hilfe" << true;
    QTest::newRow("label h") << Kind::Label << "&hspace:"
                             << "&OK"
                             << "&Abbruch"
                             << "Hilfe" << true;
    QTest::newRow("label && only") << Kind::Label << "Tom && &Jerry:"
                                   << "&OK"
                                   << "&Abbruch"
                                   << "&Hilfe" << true;
    QTest::newRow("no buddy") << Kind::LabelWithoutBuddy << "&Ohne Feld"
                              << "&OK"
                              << "&Abbruch"
                              << "&Hilfe" << false;
    QTest::newRow("check box") << Kind::CheckBox << "&Unterstrichen"
                               << "&OK"
                               << "&Abbruch"
                               << "&Hilfe" << false;
    QTest::newRow("check box a") << Kind::CheckBox << "&Autoplay"
                                 << "&OK"
                                 << "Abbruch"
                                 << "&Hilfe" << false;
    QTest::newRow("push button") << Kind::PushButton << "&Hinzufügen"
                                 << "&OK"
                                 << "&Abbruch"
                                 << "Hilfe" << false;
    QTest::newRow("group box") << Kind::GroupBox << "&Hintergrund"
                               << "&OK"
                               << "&Abbruch"
                               << "Hilfe" << true;
    QTest::newRow("tab") << Kind::Tab << "&Optionen"
                         << "OK"
                         << "&Abbruch"
                         << "&Hilfe" << false;
}

void TstMnemonics::buttonsGiveUpTheFieldsLetters()
{
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    QFETCH(QString, ok);
    QFETCH(QString, abbruch);
    QFETCH(QString, hilfe);
    QFETCH(bool, altReachesField);

    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    ClashDialog dialog(kind, caption.toUtf8().constData());
    QString shownOk, shownAbbruch, shownHilfe;
    bool fieldReached = false;
    whenModal([&](QWidget* w) {
        if (w != &dialog)
            return false;
        // Keys reach shortcuts only in the active window.
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog))
            return false;
        shownOk = dialog.okButton()->text();
        shownAbbruch = dialog.cancelButton()->text();
        shownHilfe = dialog.helpButton()->text();
        if (altReachesField) {
            // The field's letter brings the typed text into the field, not onto a button.
            dialog.okButton()->setFocus();
            const QChar letter = caption.at(caption.lastIndexOf(QRegularExpression("&[^&]")) + 1);
            QTest::keyClick(&dialog, letter.toLower().toLatin1(), Qt::AltModifier);
            fieldReached = dialog.isVisible() && dialog.focusWidget() == dialog.field;
            QTest::keyClicks(dialog.focusWidget(), "50");
        }
        // F1 opens help and Escape still cancels, whatever the captions show now.
        QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        return true;
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(shownOk, ok);
    QCOMPARE(shownAbbruch, abbruch);
    QCOMPARE(shownHilfe, hilfe);
    QCOMPARE(topics, QList<int>{308});
    if (altReachesField) {
        QVERIFY(fieldReached);
        QCOMPARE(dialog.field->text(), QStringLiteral("50"));
    }
}

void TstMnemonics::buttonsYieldOnlyToFieldsShownWithThem()
{
    TDialog dialog(DialogEnv{}, QStringLiteral("Probe"));
    auto* tabs = new QTabWidget(&dialog);
    auto* first = new QWidget;
    auto* size = new QLineEdit(first);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), first);
    sizeLabel->setBuddy(size);
    auto* save = new QPushButton(QStringLiteral("&Speichern"), first);
    auto* firstLayout = new QFormLayout(first);
    firstLayout->addRow(sizeLabel, size);
    firstLayout->addRow(save);
    auto* second = new QWidget;
    auto* search = new QPushButton(QStringLiteral("S&uchen"), second);
    auto* start = new QPushButton(QStringLiteral("&Starten"), second);
    auto* left = new QLineEdit(second);
    auto* leftLabel = new QLabel(QStringLiteral("&Links:"), second);
    leftLabel->setBuddy(left);
    auto* secondLayout = new QFormLayout(second);
    secondLayout->addRow(leftLabel, left);
    secondLayout->addRow(search);
    secondLayout->addRow(start);
    tabs->addTab(first, QStringLiteral("&Erste"));
    tabs->addTab(second, QStringLiteral("&Zweite"));
    auto* load = new QPushButton(QStringLiteral("&Laden"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(load);
    dialog.show();

    QCOMPARE(save->text(), QStringLiteral("Speichern")); // the field beside it keeps "s"
    QCOMPARE(start->text(), QStringLiteral("&Starten")); // "Size" lives on the other page
    QCOMPARE(search->text(), QStringLiteral("S&uchen"));
    QCOMPARE(load->text(), QStringLiteral("Laden")); // shown with every page, "Links" included
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("&OK"));
    QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Abbruch"));
}

TESSALINE_TEST_MAIN(TstMnemonics)
#include "tst_mnemonics.moc"
