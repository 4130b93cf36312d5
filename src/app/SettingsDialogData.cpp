// TEinstellungen: filling the dialog from the shell state and the store, and what OK writes.
#include "app/EditorSample.h"
#include "app/Session.h"
#include "app/SettingsDialog.h"
#include "core/ColorText.h"
#include "core/SettingsStore.h"
#include "editor/ViewSwitches.h"
#include "widgets/ColorGrid.h"
#include "widgets/NameLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <tuple>

namespace
{

const QString Tools = QStringLiteral("Tools");
const QString Optionen = QStringLiteral("Optionen");
const QString User = QStringLiteral("User");
const QString Browser = QStringLiteral("Browser");

// The user-data values in the order of the fields Edit2 ... Edit11.
constexpr QString UserData::*userMembers[] = {
    &UserData::UserName,   &UserData::UserFirma,   &UserData::UserStreet, &UserData::UserZip,
    &UserData::UserState,  &UserData::UserTel,     &UserData::UserFax,    &UserData::UserEMail,
    &UserData::UserEMail1, &UserData::UserHomepage};
const char* const userValueNames[] = {"UserName",   "UserFirma",   "UserStreet", "UserZip",
                                      "UserState",  "UserTel",     "UserFax",    "UserEMail",
                                      "UserEMail1", "UserHomepage"};

Qt::Alignment alignmentOf(const QString& text)
{
    if (text == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (text == QLatin1String("right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// The list entry with exactly this text, -1 when there is none.
int rowOf(const QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

} // namespace

void TEinstellungen::FormCreate()
{
    MFontListBox->addItems(NameLists::installedFontFamilies());
    for (const char* name : BackgroundNames)
        MBackListBox->addItem(QString::fromLatin1(name));

    RichEdit1->setFontName(m_state.fontName);
    if (m_state.fontSize > 0)
        RichEdit1->setFontSize(m_state.fontSize);
    RichEdit1->setFontColor(m_state.fontColor);
    RichEdit1->setBackground(m_state.background);

    readToolsAndStyle();

    MAlignLeft->setChecked(m_state.align == QLatin1String("left"));
    MAlignCenter->setChecked(m_state.align == QLatin1String("center"));
    MAlignRight->setChecked(m_state.align == QLatin1String("right"));
    RichEdit1->setAlign(alignmentOf(m_state.align));

    for (int i = 0; i < ShellState::ToolBarCount; ++i)
        toolBarBoxes.at(static_cast<std::size_t>(i))
            ->setChecked(m_state.toolBarVisible.at(static_cast<std::size_t>(i)));
    EBrowser1->setText(enteredText(m_state.browser1Path));
    EBrowser2->setText(enteredText(m_state.browser2Path));
    // The spin fields bring a value outside their range back into it.
    SEIntervall->setValue(m_state.backupInterval / 1000);
    SEAutmSich->setValue(m_state.autoSaveInterval / 1000);
    EBackUpExten->setText(m_state.backupExt);
    HintCheckBox->setChecked(m_state.hintsOn);
    for (std::size_t i = 0; i < userFields.size(); ++i)
        userFields.at(i)->setText(enteredText(m_state.user.*userMembers[i]));
    Edit13->setText(m_state.plugInDir);
    Edit14->setText(m_state.urlListDir);
    EPfadBackUp->setText(m_state.backupDir);
}

void TEinstellungen::readToolsAndStyle()
{
    const SettingsStore store;
    const QString def = QStringLiteral("Default");
    const int count =
        store.readListSize(Tools, QStringLiteral("Count"), SettingsStore::CountForm::EntryCount);
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        m_tools.append({store.readString(Tools, QStringLiteral("Name") + n, def),
                        store.readString(Tools, QStringLiteral("ExePfad") + n, def),
                        store.readString(Tools, QStringLiteral("ArbPfad") + n, def),
                        store.readString(Tools, QStringLiteral("Parameter") + n, def)});
        PickList1->addItem(m_tools.last().name);
    }
    SitzungCheckBox->setChecked(Session::restoreWanted(store));
    m_state.align = store.readString(Optionen, QStringLiteral("Align"), def);
    m_state.bold = store.readBool(Optionen, QStringLiteral("fsBold"), true);
    m_state.italic = store.readBool(Optionen, QStringLiteral("fsItalic"), true);
    m_state.underline = store.readBool(Optionen, QStringLiteral("fsUnderline"), true);
    MStyleBold->setChecked(m_state.bold);
    MStyleItalic->setChecked(m_state.italic);
    MStyleUnderline->setChecked(m_state.underline);
    RichEdit1->setStyle(m_state.bold, m_state.italic, m_state.underline);
}

void TEinstellungen::FormShow()
{
    const QString name = m_state.fontName.left(31);
    // A stored "C059 [urw]" finds the family's one entry.
    int row = rowOf(MFontListBox, NameLists::familyWithoutFoundry(name));
    if (row < 0)
        row = rowOf(MFontListBox, QStringLiteral("System"));
    MFontListBox->setCurrentRow(row);
    // The sample shows the editor's own font, listed or not.
    RichEdit1->setFontName(name);
    MFontSizeEdit->setValue(m_state.fontSize);
    RichEdit1->setFontSize(MFontSizeEdit->value());
    RichEdit1->setFontColor(m_state.fontColor);
    MFontColorGrid->clearMark();
    const QString background = ColorText::toText(m_state.background);
    if (rowOf(MBackListBox, background) < 0)
        MBackListBox->addItem(background);
    MBackListBox->setCurrentRow(rowOf(MBackListBox, background));
    RichEdit1->setBackground(m_state.background);
}

void TEinstellungen::BitBtn1Click()
{
    m_state.browser1Selected = !isMissingText(EBrowser1->text());
    m_state.browser2Selected = !isMissingText(EBrowser2->text());
    const bool userNameMissing = userFields.front()->text().isEmpty();
    const EditorLook& look = RichEdit1->look();
    {
        SettingsStore store;
        // A field left empty over a missing value keeps it missing, as it was stored.
        auto keepsMissing = [&store](const QString& section, const QString& name,
                                     const QString& text) {
            return text.isEmpty() && isMissingText(store.readString(section, name, QString()));
        };
        auto writeEntered = [&](const QString& section, const QString& name, const QString& text) {
            if (!keepsMissing(section, name, text))
                store.writeString(section, name, text);
        };
        store.writeInteger(Tools, QStringLiteral("Count"), static_cast<int>(m_tools.size()));
        for (int i = 0; i < m_tools.size(); ++i) {
            const QString n = QString::number(i);
            const ToolEntry& tool = m_tools.at(i);
            store.writeString(Tools, QStringLiteral("Name") + n, tool.name);
            store.writeString(Tools, QStringLiteral("ExePfad") + n, tool.program);
            store.writeString(Tools, QStringLiteral("ArbPfad") + n, tool.workingDir);
            store.writeString(Tools, QStringLiteral("Parameter") + n, tool.parameters);
        }

        store.writeString(Optionen, QStringLiteral("FontName"), look.fontName);
        store.writeColor(Optionen, QStringLiteral("FontColor"), look.fontColor);
        store.writeColor(Optionen, QStringLiteral("Background"), look.background);
        store.writeInteger(Optionen, QStringLiteral("FontSize"), look.fontSize);
        store.writeString(Optionen, QStringLiteral("Align"), m_state.align);
        store.writeBool(Optionen, QStringLiteral("fsBold"), m_state.bold);
        store.writeBool(Optionen, QStringLiteral("fsItalic"), m_state.italic);
        store.writeBool(Optionen, QStringLiteral("fsUnderline"), m_state.underline);
        Session::setRestoreWanted(store, SitzungCheckBox->isChecked());

        // Without a name the stored user data stays as it was; "User" records that.
        store.writeBool(User, QStringLiteral("User"), userNameMissing);
        if (!userNameMissing)
            for (std::size_t i = 0; i < userFields.size(); ++i)
                writeEntered(User, QString::fromLatin1(userValueNames[i]),
                             userFields.at(i)->text());

        // A browser whose program stays missing keeps its switch too: it is not set either way.
        for (const auto& [field, selected, n] :
             {std::tuple{EBrowser1, m_state.browser1Selected, QStringLiteral("1")},
              std::tuple{EBrowser2, m_state.browser2Selected, QStringLiteral("2")}}) {
            if (keepsMissing(Browser, QStringLiteral("Browser") + n, field->text()))
                continue;
            store.writeBool(Browser, QStringLiteral("Browser%1Select").arg(n), selected);
            store.writeString(Browser, QStringLiteral("Browser") + n, field->text());
        }

        m_state.browser1Path = m_state.browser1Selected ? EBrowser1->text() : QString();
        m_state.browser2Path = m_state.browser2Selected ? EBrowser2->text() : QString();
        m_state.hintsOn = HintCheckBox->isChecked();
        store.sync();
    }

    m_state.fontName = look.fontName;
    m_state.fontSize = look.fontSize;
    m_state.background = look.background;
    m_state.fontColor = look.fontColor;
    for (int i = 0; i < ShellState::ToolBarCount; ++i)
        m_state.toolBarVisible.at(static_cast<std::size_t>(i)) =
            toolBarBoxes.at(static_cast<std::size_t>(i))->isChecked();
    m_state.backupInterval = SEIntervall->value() * 1000;
    m_state.autoSaveInterval = SEAutmSich->value() * 1000;
    m_state.backupExt = EBackUpExten->text();
    m_state.hintsOn = HintCheckBox->isChecked();
    for (std::size_t i = 0; i < userFields.size(); ++i)
        m_state.user.*userMembers[i] = userFields.at(i)->text();
    m_state.plugInDir = Edit13->text();
    m_state.urlListDir = Edit14->text();
    m_state.backupDir = EPfadBackUp->text();
    // The spelling dictionary: written only when the choice differs from the one in use.
    const auto* languages = findChild<QComboBox*>(QStringLiteral("CBSpellLanguage"));
    const QString language = languages ? languages->currentData().toString() : QString();
    if (!language.isEmpty() && language != ViewSwitches::spellLanguage())
        ViewSwitches::instance().setSpellLanguage(language);
    accept();
}
