// TMainForm's routing to the active document: forwarding controls, drop-down menus, headings.
#include "app/Main.h"

#include "app/FrameTables.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentWindow.h"
#include "editor/SpecialCharacterPalette.h"
#include "widgets/GlyphIcon.h"

#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace
{

struct FontSizeItem {
    const char* name;
    const char* caption;
};

// Absolute sizes first, then the relative ones.
constexpr FontSizeItem absoluteSizes[] = {{"N11", "1"}, {"N21", "2"}, {"N31", "3"}, {"N41", "4"},
                                          {"N51", "5"}, {"N61", "6"}, {"N71", "7"}};
constexpr FontSizeItem relativeSizes[] = {{"N22", "-2"}, {"N12", "-1"}, {"N01", "+0"},
                                          {"N13", "+1"}, {"N23", "+2"}, {"N32", "+3"},
                                          {"N42", "+4"}};

struct HeadingAlignment {
    const char* name;
    const char* hint;
    const char* glyph;
    const char* attribute;
};

constexpr HeadingAlignment headingAlignments[] = {
    {"SBtnHLeft", "Überschrift linksbündig", "H⇤", " align=\"left\""},
    {"SBtnHCenter", "Überschrift zentriert", "H↔", " align=\"center\""},
    {"SBtnHRight", "Überschrift rechtsbündig", "H⇥", " align=\"right\""},
};

} // namespace

QMenu* TMainForm::dropDownMenu(const QString& name) const
{
    return m_dropDownMenus.value(name);
}

void TMainForm::buildDropDownMenus()
{
    auto menuNamed = [this](const QString& name) {
        auto* menu = new QMenu(this);
        menu->setObjectName(name);
        m_dropDownMenus.insert(name, menu);
        return menu;
    };
    QMenu* fontSizes = menuNamed(QStringLiteral("PopupMenuFontSize"));
    auto addSizes = [this, fontSizes](std::span<const FontSizeItem> items, const QString& hint) {
        for (const FontSizeItem& item : items) {
            const QString caption = QString::fromLatin1(item.caption);
            QAction* action = fontSizes->addAction(caption);
            action->setObjectName(QString::fromLatin1(item.name));
            applyHint(action, hint);
            connect(action, &QAction::triggered, this, [this, caption] { fontSizeClick(caption); });
            m_controls.insert(action->objectName(), action);
        }
    };
    addSizes(absoluteSizes, QStringLiteral("Absolute Fontgröße"));
    addSizes(relativeSizes, QStringLiteral("relative Fontgröße"));

    menuNamed(QStringLiteral("PopupMenuText"));
    menuNamed(QStringLiteral("PopupMenu1"));
    QMenu* headings = menuNamed(QStringLiteral("PopupMenuHeader"));
    for (int level = 1; level <= 6; ++level) {
        QAction* action = headings->addAction(QStringLiteral("H&%1").arg(level));
        action->setObjectName(QStringLiteral("H%1").arg(level) + QLatin1Char('1'));
        connect(action, &QAction::triggered, this, [this, level] { headingClick(level); });
        m_controls.insert(action->objectName(), action);
    }
}

void TMainForm::buildForwardingControls()
{
    for (const ForwardSpec& spec : forwardSpecs()) {
        const QString command = QString::fromLatin1(spec.documentCommand);
        QAction* action = nullptr;
        if (spec.toolBar > 0) {
            action = addToolButton(spec.toolBar, QString::fromLatin1(spec.name),
                                   QString::fromUtf8(spec.hint),
                                   glyphIcon(QString::fromUtf8(spec.glyph)), true);
        } else {
            action = dropDownMenu(QString::fromLatin1(spec.menu))
                         ->addAction(QString::fromUtf8(spec.hint));
            action->setObjectName(QString::fromLatin1(spec.name));
            if (*spec.itemHint)
                applyHint(action, QString::fromUtf8(spec.itemHint));
            m_controls.insert(action->objectName(), action);
        }
        action->setProperty("handler", QString::fromLatin1(spec.frameHandler));
        connect(action, &QAction::triggered, this, [this, command] { forwardToDocument(command); });
    }

    for (const DropDownSpec& spec : dropDownSpecs()) {
        QAction* action = addToolButton(spec.toolBar, QString::fromLatin1(spec.name),
                                        QString::fromUtf8(spec.hint),
                                        glyphIcon(QString::fromUtf8(spec.glyph)), true);
        action->setMenu(dropDownMenu(QString::fromLatin1(spec.menu)));
        if (auto* button = qobject_cast<QToolButton*>(
                m_toolBars.at(spec.toolBar - 1)->widgetForAction(action)))
            button->setPopupMode(QToolButton::InstantPopup);
    }

    // At most one heading alignment is down; all may be up.
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const HeadingAlignment& alignment : headingAlignments) {
        QAction* action =
            addToolButton(8, QString::fromLatin1(alignment.name), QString::fromUtf8(alignment.hint),
                          glyphIcon(QString::fromUtf8(alignment.glyph)), true);
        action->setCheckable(true);
        action->setProperty("attribute", QString::fromLatin1(alignment.attribute));
        group->addAction(action);
    }
}

void TMainForm::forwardToDocument(const QString& documentCommand)
{
    if (TMDIChild* child = activeChild())
        runNamedCommand(*child, documentCommand);
}

void TMainForm::headingClick(int level)
{
    TMDIChild* child = activeChild();
    if (!child)
        return;
    QString attribute;
    for (const HeadingAlignment& alignment : headingAlignments)
        if (control(QString::fromLatin1(alignment.name))->isChecked())
            attribute =
                control(QString::fromLatin1(alignment.name))->property("attribute").toString();
    m_state.headingOpen = QStringLiteral("<h%1%2>").arg(level).arg(attribute);
    m_state.headingClose = QStringLiteral("</h%1>").arg(level);
    child->HeaderClick();
}

void TMainForm::fontSizeClick(const QString& size)
{
    TMDIChild* child = activeChild();
    if (!child)
        return;
    m_state.fontSizeOpen = QStringLiteral("<font size=\"%1\">").arg(size);
    child->FontSizeClick();
}

void TMainForm::SBtnRedoClick()
{
    toActiveChild(&TMDIChild::Wiederherstellen1Click);
}

void TMainForm::SBtnUmbClick()
{
    toActiveChild(&TMDIChild::WordWrap1Click);
}

void TMainForm::SBtnSearchClick()
{
    toActiveChild(&TMDIChild::Suchen2Click);
}

void TMainForm::SBtnGotoClick()
{
    toActiveChild(&TMDIChild::FindNext1Click);
}

void TMainForm::SBtnReplaceClick()
{
    toActiveChild(&TMDIChild::Ersetzen2Click);
}

void TMainForm::SBtnAUClick()
{
    if (TMDIChild* child = activeChild()) {
        QAction* item = child->action(QStringLiteral("AutoUmlaute1"));
        item->setChecked(!item->isChecked());
        child->AutoUmlaute1Click();
    }
}

void TMainForm::SonderZeichenClick()
{
    TFSonderZeichen::open([this] { SonderzeichenKlick(); }, this);
}

void TMainForm::SonderzeichenKlick()
{
    toActiveChild(&TMDIChild::S1);
}
