// Tests of the frame's toolbar icons: every button shows one, standard actions from the theme.
#include "app/FrameTables.h"
#include "app/Main.h"
#include "support/TestSupport.h"
#include "widgets/GlyphIcon.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

class TstToolBarIcons : public QObject
{
    Q_OBJECT

private slots:
    void everyButtonShowsAnIcon();
    void standardActionsUseTheIconTheme();
    void distinctCommandsHaveDistinctIcons();

private:
    TestEnvironment m_env;
};

namespace
{

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 40)
                return true;
    return false;
}

} // namespace

void TstToolBarIcons::everyButtonShowsAnIcon()
{
    TMainForm frame;
    int buttons = 0;
    for (int n = 1; n <= 10; ++n) {
        QToolBar* bar = frame.toolBar(n);
        for (QAction* action : bar->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            if (!button || action->isSeparator())
                continue;
            ++buttons;
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
            QVERIFY2(hasInk(action->icon().pixmap(button->iconSize()).toImage()),
                     qPrintable(action->objectName()));
            QCOMPARE(button->iconSize().height(), bar->iconSize().height());
        }
    }
    QVERIFY(buttons > 60);
    // Tags too long for the square at the normal font size show as text of that size.
    const int normal = QFontInfo(QApplication::font("QToolButton")).pixelSize();
    for (const char* name : {"SBtnBreak", "SBtnNoBreak", "SBtnBlink", "SBtnWWW"}) {
        auto* button = frame.findChild<QToolButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextOnly);
        QCOMPARE(button->text(), glyphOf(button->icon()));
        QVERIFY(!button->text().isEmpty());
        QVERIFY(QFontInfo(button->font()).pixelSize() >= normal);
        QVERIFY(button->sizeHint().width() >
                QFontMetrics(button->font()).horizontalAdvance(button->text()));
        // The hint stays the hint, not the glyph.
        QCOMPARE(button->toolTip(), frame.control(QLatin1String(name))->toolTip());
        QVERIFY(button->toolTip() != button->text());
    }
    // One letter fits its square and stays an icon.
    QCOMPARE(frame.findChild<QToolButton*>(QStringLiteral("SBtnParagraph"))->toolButtonStyle(),
             Qt::ToolButtonIconOnly);
}

void TstToolBarIcons::standardActionsUseTheIconTheme()
{
    if (standardIcon(QStringLiteral("format-text-bold")).isNull())
        QSKIP("the fallback icon theme is not installed");
    // A desktop whose own theme is the fallback theme: the icons then come by their names.
    const QString desktopTheme = QIcon::themeName();
    const QStringList searchPaths = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths(searchPaths +
                               QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                         QStringLiteral("icons"),
                                                         QStandardPaths::LocateDirectory));
    QIcon::setThemeName(FallbackIconTheme);
    TMainForm frame;
    for (const char* name :
         {"SBtnFileNew", "OpenBtn",     "SaveBtn",        "SBtnFPrint", "SBtnUndo",    "SBtnRedo",
          "SBtnCut",     "SBtnCopy",    "SBtnPaste",      "SBtnSearch", "SBtnReplace", "SBtnHelp",
          "SBtnTBold",   "SBtnTItalic", "SBtnTUnderline", "SBtnALeft",  "SBtnACenter", "SBtnARight",
          "SBtnFont",    "SBtnTColor",  "SBtnListItem",   "SBtnHR"}) {
        QAction* action = frame.control(QLatin1String(name));
        QVERIFY2(action, name);
        QVERIFY2(!action->icon().name().isEmpty(), name);
    }
    // HTML's own elements keep their drawn glyphs.
    QVERIFY(frame.control(QStringLiteral("SBtnBlink"))->icon().name().isEmpty());
    QIcon::setThemeName(desktopTheme);
    QIcon::setThemeSearchPaths(searchPaths);
}

void TstToolBarIcons::distinctCommandsHaveDistinctIcons()
{
    // The tables: no theme name and no glyph stands for two commands.
    QHash<QString, QString> themeOwners, glyphOwners;
    QStringList clashes;
    auto claim = [&](QHash<QString, QString>& owners, const QString& icon, const QString& command) {
        if (icon.isEmpty())
            return;
        const QString owner = owners.value(icon, command);
        if (owner != command)
            clashes << icon + ": " + owner + ", " + command;
        owners.insert(icon, command);
    };
    for (const ToolButtonSpec& row : toolButtonSpecs()) {
        claim(themeOwners, QString::fromLatin1(row.themeIcon), QString::fromLatin1(row.name));
        claim(glyphOwners, QString::fromUtf8(row.glyph), QString::fromLatin1(row.name));
    }
    for (const ForwardSpec& row : forwardSpecs()) {
        if (row.toolBar == 0)
            continue; // a menu item, no button
        const QString command = QString::fromLatin1(row.documentCommand);
        claim(themeOwners, buttonThemeIcon(QString::fromLatin1(row.name)), command);
        claim(glyphOwners, QString::fromUtf8(row.glyph), command);
    }
    for (const DropDownSpec& row : dropDownSpecs()) {
        const QString command = QString::fromLatin1(row.menu);
        claim(themeOwners, buttonThemeIcon(QString::fromLatin1(row.name)), command);
        claim(glyphOwners, QString::fromUtf8(row.glyph), command);
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));

    // What the buttons show: a theme may draw two names with one picture.
    if (standardIcon(QStringLiteral("go-down-search")).isNull())
        QSKIP("the fallback icon theme is not installed");
    const QString desktopTheme = QIcon::themeName();
    QIcon::setThemeName(FallbackIconTheme);
    TMainForm frame;
    QHash<QByteArray, QString> pictures;
    for (int n = 1; n <= 10; ++n) {
        QToolBar* bar = frame.toolBar(n);
        for (QAction* action : bar->actions()) {
            if (action->isSeparator() || !bar->widgetForAction(action))
                continue;
            const QImage image = action->icon().pixmap(bar->iconSize()).toImage();
            const QByteArray picture(reinterpret_cast<const char*>(image.constBits()),
                                     image.sizeInBytes());
            const QString owner = pictures.value(picture, action->objectName());
            if (owner != action->objectName())
                clashes << owner + ", " + action->objectName();
            pictures.insert(picture, action->objectName());
        }
    }
    QIcon::setThemeName(desktopTheme);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));
}

TESSALINE_TEST_MAIN(TstToolBarIcons)
#include "tst_toolbaricons.moc"
