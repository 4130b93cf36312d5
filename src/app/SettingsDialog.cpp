// TEinstellungen: building the four pages of the settings dialog and their live controls.
#include "app/SettingsDialog.h"

#include "app/EditorSample.h"
#include "app/ProgramChoice.h"
#include "core/ColorText.h"
#include "editor/EntityKeyFilter.h"
#include "editor/SpellDictionary.h"
#include "widgets/ColorGrid.h"
#include "widgets/DialogHints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

const std::array<const char*, 17> TEinstellungen::BackgroundNames{
    "clBlack", "clMaroon",  "clGreen",  "clOlive", "clNavy", "clPurple",
    "clTeal",  "clGray",    "clSilver", "clRed",   "clLime", "clYellow",
    "clBlue",  "clFuchsia", "clAqua",   "clWhite", "clNone"};

namespace
{

// The check boxes of the toolbars in toolbar order, with their captions.
const char* const toolBarBoxNames[] = {
    "CBProgramm",  "CBTextundAbsatz", "CBBearbeiten",     "CBGrundgeruest", "CBListenUndTabellen",
    "CBFormulare", "CBVerweise",      "CBUeberschriften", "CBSonstiges",    "CBSonderzeichen"};
const char* const toolBarBoxCaptions[] = {
    "Progra&mm",  "Te&xt und Absatz", "Bea&rbeiten",    "&Grundgerüst", "L&isten und Tabellen",
    "&Formulare", "&Verweise",        "&Überschriften", "&Sonstiges",   "S&onderzeichen"};

// The user-data fields: label, and whether typed umlauts become entities.
struct UserField {
    const char* label;
    int mnemonic; // position for a "&" the caption lacks, -1 when it has one
};
const UserField userFieldSpecs[] = {
    {"Vorna&me/Name:", -1},  {"&Firma:", -1}, {"&Straße:", -1}, {"PLZ/&Ort:", -1},
    {"Lan&d:", -1},          {"Te&l:", -1},   {"FA&X:", -1},    {"E-Mail (Name):", 4},
    {"E-Mail (Firma):", 10}, {"Hompage:", 3}};

// Every field is reachable with Alt: captions without a mnemonic get one at a free letter.
QString withMnemonic(const UserField& field)
{
    QString caption = QString::fromUtf8(field.label);
    if (field.mnemonic >= 0)
        caption.insert(field.mnemonic, QLatin1Char('&'));
    return caption;
}

QToolButton* browseButton(QWidget* parent, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("…"));
    return button;
}

} // namespace

TEinstellungen::TEinstellungen(const DialogEnv& env, ShellState& state)
    : TDialog(env, QStringLiteral("Einstellungen"), HelpTopic), m_state(state), m_env(env)
{
    setObjectName(QStringLiteral("Einstellungen"));
    cancelButton()->setText(QStringLiteral("Abbr&uch"));
    disconnect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(okButton(), &QPushButton::clicked, this, &TEinstellungen::BitBtn1Click);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildGeneralPage(), QStringLiteral("&Allgemeine Einstellungen"));
    PageControl1->addTab(buildUserPage(), QStringLiteral("&Benutzerangaben"));
    PageControl1->addTab(buildEditorPage(), QStringLiteral("&Editoreinstellungen"));
    PageControl1->addTab(buildToolPage(), QStringLiteral("&Tools"));
    auto* body = new QVBoxLayout;
    body->addWidget(PageControl1);
    finishLayout(body);
    FormCreate();
}

QWidget* TEinstellungen::buildGeneralPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto pathField = [page](const char* name) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(MaxPathLength);
        // Narrow enough for both columns on an 800 pixel screen; longer paths scroll.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
        return edit;
    };
    auto withButton = [](QLineEdit* edit, QToolButton* button) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(button);
        return row;
    };

    EBrowser1 = pathField("EBrowser1");
    EBrowser2 = pathField("EBrowser2");
    SBtnFileOpen1 = browseButton(page, "SBtnFileOpen1");
    SBtnFileOpen2 = browseButton(page, "SBtnFileOpen2");
    auto* browsers = new QFormLayout;
    browsers->addRow(labelFor("Browser &1 auswählen", EBrowser1),
                     withButton(EBrowser1, SBtnFileOpen1));
    browsers->addRow(labelFor("Browser &2 auswählen", EBrowser2),
                     withButton(EBrowser2, SBtnFileOpen2));
    const std::pair<QToolButton*, QLineEdit*> browserRows[] = {{SBtnFileOpen1, EBrowser1},
                                                               {SBtnFileOpen2, EBrowser2}};
    for (const auto& [button, edit] : browserRows)
        connect(button, &QToolButton::clicked, this, [this, edit = edit] {
            const QString chosen =
                ProgramChoice::chooseProgram(this, ProgramChoice::BrowserFilter, edit->text());
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });

    Edit13 = pathField("Edit13");
    Edit14 = pathField("Edit14");
    SpeedButton2 = browseButton(page, "SpeedButton2");
    SpeedButton3 = browseButton(page, "SpeedButton3");
    auto* paths = new QGroupBox(QStringLiteral("Pfadangaben"), page);
    auto* pathLayout = new QFormLayout(paths);
    pathLayout->addRow(labelFor("&PlugIns", Edit13), withButton(Edit13, SpeedButton2));
    pathLayout->addRow(labelFor("UR&L-Listen", Edit14), withButton(Edit14, SpeedButton3));

    auto* bars = new QGroupBox(QStringLiteral("Symbolleisten"), page);
    auto* barLayout = new QGridLayout(bars);
    for (int i = 0; i < ShellState::ToolBarCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(toolBarBoxCaptions[i]), bars);
        box->setObjectName(QString::fromLatin1(toolBarBoxNames[i]));
        toolBarBoxes.at(static_cast<std::size_t>(i)) = box;
        barLayout->addWidget(box, i % 5, i / 5);
    }

    EBackUpExten = new QLineEdit(QStringLiteral(".bak"), page);
    EBackUpExten->setObjectName(QStringLiteral("EBackUpExten"));
    EBackUpExten->setMaxLength(MaxPathLength);
    auto spin = [page](const char* name, int designed) {
        auto* box = new QSpinBox(page);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(10, 1000);
        box->setSingleStep(5);
        box->setValue(designed);
        return box;
    };
    SEIntervall = spin("SEIntervall", 60);
    SEAutmSich = spin("SEAutmSich", 120);
    EPfadBackUp = pathField("EPfadBackUp");
    SpeedButton1 = browseButton(page, "SpeedButton1");
    auto* backup = new QGroupBox(QStringLiteral("Sicherheitskopie"), page);
    auto* backupLayout = new QFormLayout(backup);
    backupLayout->addRow(labelFor("Stan&dardendung", EBackUpExten), EBackUpExten);
    backupLayout->addRow(labelFor("I&ntervall", SEIntervall), SEIntervall);
    backupLayout->addRow(labelFor("A&utomatische Sicherung", SEAutmSich), SEAutmSich);
    backupLayout->addRow(labelFor("Pfad für Sic&herungskopien", EPfadBackUp),
                         withButton(EPfadBackUp, SpeedButton1));

    const std::pair<QToolButton*, std::pair<QLineEdit*, const char*>> folders[] = {
        {SpeedButton1, {EPfadBackUp, "Wählen Sie das Verzeichnis für die Kopien aus!"}},
        {SpeedButton2, {Edit13, "Wählen Sie das Verzeichnis für die PlugIns aus!"}},
        {SpeedButton3, {Edit14, "Wählen Sie das Verzeichnis für die URLListen aus!"}},
    };
    for (const auto& [button, target] : folders) {
        const auto [edit, title] = target;
        connect(button, &QToolButton::clicked, this, [this, edit = edit, title = title] {
            const QString chosen =
                ProgramChoice::chooseFolder(this, QString::fromUtf8(title), edit->text());
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });
    }

    HintCheckBox = new QCheckBox(QStringLiteral("Hints &zeigen"), page);
    HintCheckBox->setObjectName(QStringLiteral("HintCheckBox"));
    // "&Sonstiges" has the S already.
    SitzungCheckBox = new QCheckBox(QStringLiteral("Letzte Sitzung &wiederherstellen"), page);
    SitzungCheckBox->setObjectName(QStringLiteral("SitzungCheckBox"));

    auto* right = new QVBoxLayout;
    right->addWidget(backup);
    right->addWidget(HintCheckBox);
    right->addWidget(SitzungCheckBox);
    right->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(browsers);
    left->addWidget(paths);
    left->addWidget(bars);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

QWidget* TEinstellungen::buildUserPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QFormLayout(page);
    for (int i = 0; i < 10; ++i) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        // The home page is an address, where an entity would break it.
        if (i < 9)
            EntityKeyFilter::attach(edit);
        userFields.at(static_cast<std::size_t>(i)) = edit;
        auto* label = new QLabel(withMnemonic(userFieldSpecs[i]), page);
        label->setBuddy(edit);
        layout->addRow(label, edit);
    }
    return page;
}

namespace
{

// "de_DE (Deutsch, Deutschland)": the code as Hunspell names the dictionary, and the language.
QString languageCaption(const QString& code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    return QStringLiteral("%1 (%2, %3)")
        .arg(code, locale.nativeLanguageName(), locale.nativeTerritoryName());
}

// The drop-down of the installed spelling dictionaries; OK stores the choice.
QLayout* spellLanguageChoice(TDialog* dialog, QWidget* page)
{
    auto* languages = new QComboBox(page);
    languages->setObjectName(QStringLiteral("CBSpellLanguage"));
    SpellDictionary& dictionary = SpellDictionary::instance();
    for (const QString& code : dictionary.installedLanguages())
        languages->addItem(languageCaption(code), code);
    if (languages->count() == 0) {
        languages->addItem(QStringLiteral("(kein Wörterbuch installiert)"));
        languages->setEnabled(false);
    }
    languages->setCurrentIndex(std::max(0, languages->findData(dictionary.language())));
    // The page is as wide as an 800 pixel screen allows; the open list shows the whole names.
    languages->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    languages->setMinimumContentsLength(12);
    dialog->setHint(languages, "Das Wörterbuch der Rechtschreibprüfung");
    auto* column = new QVBoxLayout;
    column->addWidget(dialog->labelFor("&Wörterbuch", languages));
    column->addWidget(languages);
    return column;
}

} // namespace

QWidget* TEinstellungen::buildEditorPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    RichEdit1 = new TEditorSample(page);
    RichEdit1->setMinimumSize(260, 110);
    // The dialog takes its natural size; these caps keep it on an 800 × 600 screen.
    RichEdit1->setMaximumHeight(120);

    MFontListBox = new QListWidget(page);
    MFontListBox->setObjectName(QStringLiteral("MFontListBox"));
    MBackListBox = new QListWidget(page);
    MBackListBox->setObjectName(QStringLiteral("MBackListBox"));
    for (QListWidget* list : {MFontListBox, MBackListBox})
        list->setMaximumHeight(150);
    MFontSizeEdit = new QSpinBox(page);
    MFontSizeEdit->setObjectName(QStringLiteral("MFontSizeEdit"));
    MFontSizeEdit->setRange(6, 24);
    MFontSizeEdit->setValue(12);
    connect(MFontListBox, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            RichEdit1->setFontName(name);
    });
    connect(MBackListBox, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (const auto color = ColorText::fromText(name))
            RichEdit1->setBackground(*color);
    });
    connect(MFontSizeEdit, &QSpinBox::valueChanged, RichEdit1, &TEditorSample::setFontSize);

    auto* style = new QGroupBox(QStringLiteral("Schriftschnitt"), page);
    auto* styleLayout = new QVBoxLayout(style);
    auto styleBox = [this, style, styleLayout](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), style);
        box->setObjectName(QString::fromLatin1(name));
        styleLayout->addWidget(box);
        connect(box, &QCheckBox::clicked, this, &TEinstellungen::styleClick);
        return box;
    };
    MStyleBold = styleBox("MStyleBold", "&Fett");
    MStyleItalic = styleBox("MStyleItalic", "&Kursiv");
    MStyleUnderline = styleBox("MStyleUnderline", "&Unterstrichen");

    auto* align = new QGroupBox(QStringLiteral("Ausrichtung"), page);
    auto* alignLayout = new QVBoxLayout(align);
    auto alignButton = [this, align, alignLayout](const char* name, const char* caption,
                                                  Qt::Alignment flag, const char* text) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), align);
        button->setObjectName(QString::fromLatin1(name));
        alignLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this,
                [this, flag, text] { alignClick(flag, text); });
        return button;
    };
    MAlignLeft = alignButton("MAlignLeft", "&Links", Qt::AlignLeft, "left");
    MAlignCenter = alignButton("MAlignCenter", "&Zentriert", Qt::AlignHCenter, "center");
    MAlignRight = alignButton("MAlignRight", "&Rechts", Qt::AlignRight, "right");

    MFontColorGrid = new TColorGrid(page);
    MFontColorGrid->setObjectName(QStringLiteral("MFontColorGrid"));
    connect(MFontColorGrid, &TColorGrid::colorClicked, RichEdit1, &TEditorSample::setFontColor);
    // The grid's cells take the focus; its label leads there.
    auto* colorLabel = labelFor("&Schriftfarbe", MFontColorGrid->cell(0));

    auto* layout = new QGridLayout(page);
    layout->addWidget(labelFor("Schrift Na&me", MFontListBox), 0, 0);
    layout->addWidget(MFontListBox, 1, 0, 3, 1);
    layout->addWidget(labelFor("&Hintergrund", MBackListBox), 0, 1);
    layout->addWidget(MBackListBox, 1, 1, 3, 1);
    layout->addWidget(labelFor("Schrift&größe", MFontSizeEdit), 0, 2);
    layout->addWidget(MFontSizeEdit, 1, 2);
    layout->addWidget(colorLabel, 2, 2);
    layout->addWidget(MFontColorGrid, 3, 2);
    layout->addWidget(style, 4, 0);
    layout->addWidget(align, 4, 1);
    layout->addLayout(spellLanguageChoice(this, page), 4, 2, Qt::AlignTop);
    layout->addWidget(RichEdit1, 5, 0, 1, 3);
    return page;
}

QWidget* TEinstellungen::buildToolPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    PickList1 = new QListWidget(page);
    PickList1->setObjectName(QStringLiteral("PickList1"));
    SpeedButton6 = new QToolButton(page);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setArrowType(Qt::UpArrow);
    setHint(SpeedButton6, "Verschiebt ein ausgewähltes Programm nach oben");
    SpeedButton7 = new QToolButton(page);
    SpeedButton7->setObjectName(QStringLiteral("SpeedButton7"));
    SpeedButton7->setArrowType(Qt::DownArrow);
    setHint(SpeedButton7, "Verschiebt ein ausgewähltes Programm nach unten");
    auto button = [page](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    BitBtn4 = button("BitBtn4", "&Hinzufügen");
    BitBtn5 = button("BitBtn5", "&Löschen    ");
    BitBtn6 = button("BitBtn6", "Bea&rbeiten ");
    setEditButtonsEnabled(false);

    connect(SpeedButton6, &QToolButton::clicked, this, &TEinstellungen::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TEinstellungen::SpeedButton7Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TEinstellungen::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TEinstellungen::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TEinstellungen::BitBtn6Click);
    // A chosen entry, by mouse or keyboard, can be edited or deleted.
    connect(PickList1, &QListWidget::currentRowChanged, this,
            [this](int row) { setEditButtonsEnabled(row >= 0); });
    connect(PickList1, &QListWidget::itemDoubleClicked, this, &TEinstellungen::BitBtn6Click);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(SpeedButton6);
    moves->addWidget(SpeedButton7);
    moves->addStretch();
    auto* actions = new QVBoxLayout;
    actions->addWidget(BitBtn4);
    actions->addWidget(BitBtn5);
    actions->addWidget(BitBtn6);
    actions->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(PickList1);
    layout->addLayout(moves);
    layout->addLayout(actions);
    return page;
}

void TEinstellungen::styleClick()
{
    const bool bold = MStyleBold->isChecked();
    const bool italic = MStyleItalic->isChecked();
    const bool underline = MStyleUnderline->isChecked();
    RichEdit1->setStyle(bold, italic, underline);
    m_state.bold = bold;
    m_state.italic = italic;
    m_state.underline = underline;
}

void TEinstellungen::alignClick(Qt::Alignment align, const char* text)
{
    RichEdit1->setAlign(align);
    m_state.align = QString::fromLatin1(text);
}

void TEinstellungen::showEvent(QShowEvent* event)
{
    TDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormShow();
}

bool TEinstellungen::event(QEvent* event)
{
    // FormActivate: the dialog's tooltips follow the hint switch as it stands now.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        hints()->apply();
    return TDialog::event(event);
}
