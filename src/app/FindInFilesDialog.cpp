// TFindInFilesDialog: what to find (and replace) in which files of which folder.
#include "app/FindInFilesDialog.h"

#include "app/FindInFilesEngine.h"
#include "app/ProgramChoice.h"
#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

const QString Section = QStringLiteral("InDateienSuchen");

QComboBox* historyBox(QWidget* parent, const char* name, const QString& field)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(36);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const SettingsStore store;
    box->addItems(store.readList(Section, field, SettingsStore::CountForm::EntryCount, QString()));
    box->setCurrentIndex(-1);
    return box;
}

// The entry of box first, each text once, at most MaxRemembered.
QStringList withNewest(const QComboBox* box)
{
    QStringList entries;
    if (!box->currentText().isEmpty())
        entries.append(box->currentText());
    for (int i = 0; i < box->count(); ++i)
        if (!entries.contains(box->itemText(i)) && !box->itemText(i).isEmpty())
            entries.append(box->itemText(i));
    return entries.mid(0, TFindInFilesDialog::MaxRemembered);
}

} // namespace

TFindInFilesDialog::TFindInFilesDialog(const DialogEnv& env, const QString& findText,
                                       const QString& folder)
    : TDialog(env, QStringLiteral("In Dateien suchen"), HelpTopic)
{
    setObjectName(QStringLiteral("FindInFilesDialog"));
    FindText = historyBox(this, "FindText", QStringLiteral("Suchen"));
    ReplaceText = historyBox(this, "ReplaceText", QStringLiteral("Ersetzen"));
    FolderText = historyBox(this, "FolderText", QStringLiteral("Ordner"));
    TypesText = historyBox(this, "TypesText", QStringLiteral("Typen"));
    FolderButton = new QToolButton(this);
    FolderButton->setObjectName(QStringLiteral("FolderButton"));
    FolderButton->setText(QStringLiteral("..."));
    SubfoldersBox = new QCheckBox(QStringLiteral("&Unterordner"), this);
    SubfoldersBox->setObjectName(QStringLiteral("SubfoldersBox"));
    MatchCaseBox = new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung"), this);
    MatchCaseBox->setObjectName(QStringLiteral("MatchCaseBox"));
    WholeWordsBox = new QCheckBox(QStringLiteral("Nur ganze &Wörter"), this);
    WholeWordsBox->setObjectName(QStringLiteral("WholeWordsBox"));

    const SettingsStore store;
    auto last = [](const QComboBox* box) { return box->count() ? box->itemText(0) : QString(); };
    FindText->setEditText(findText.isEmpty() ? last(FindText) : findText);
    ReplaceText->setEditText(last(ReplaceText));
    FolderText->setEditText(folder.isEmpty() ? last(FolderText) : folder);
    const QString types = last(TypesText);
    TypesText->setEditText(types.isEmpty() ? QString::fromLatin1(DefaultTypes) : types);
    if (TypesText->findText(QString::fromLatin1(DefaultTypes)) < 0)
        TypesText->addItem(QString::fromLatin1(DefaultTypes));
    SubfoldersBox->setChecked(store.readBool(Section, QStringLiteral("Unterordner"), true));
    MatchCaseBox->setChecked(store.readBool(Section, QStringLiteral("GrossKlein"), false));
    WholeWordsBox->setChecked(store.readBool(Section, QStringLiteral("GanzeWoerter"), false));

    setHint(FindText, "Der gesuchte Text");
    setHint(ReplaceText, "Der Text, der bei \"Alle ersetzen\" an die Stelle jedes Treffers tritt");
    setHint(FolderText, "Der Ordner, dessen Dateien durchsucht werden");
    setHint(FolderButton, "Ordner auswählen");
    setHint(TypesText, "Dateinamen, durch Semikolon getrennt, zum Beispiel *.htm;*.html");
    setHint(SubfoldersBox, "Auch die Dateien in den Unterordnern durchsuchen");

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(FolderText, 1);
    folderRow->addWidget(FolderButton);
    auto* form = new QFormLayout;
    form->addRow(labelFor("&Suchen nach:", FindText), FindText);
    form->addRow(labelFor("&Ersetzen durch:", ReplaceText), ReplaceText);
    form->addRow(labelFor("&Ordner:", FolderText), folderRow);
    form->addRow(labelFor("Datei&typen:", TypesText), TypesText);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(SubfoldersBox);
    boxes->addWidget(MatchCaseBox);
    boxes->addWidget(WholeWordsBox);
    boxes->addStretch();
    auto* body = new QVBoxLayout;
    body->addLayout(form);
    body->addLayout(boxes);

    SearchButton = okButton();
    SearchButton->setText(QStringLiteral("&Suchen"));
    SearchButton->setObjectName(QStringLiteral("SearchButton"));
    ReplaceAllButton = new QPushButton(QStringLiteral("Alle &ersetzen"), this);
    ReplaceAllButton->setObjectName(QStringLiteral("ReplaceAllButton"));
    ReplaceAllButton->setAutoDefault(false);
    finishLayout(body);
    // The replace button stands between the search button and "Abbruch".
    for (QLayout* row : findChildren<QHBoxLayout*>()) {
        const int at = row->indexOf(SearchButton);
        if (at >= 0) {
            static_cast<QHBoxLayout*>(row)->insertWidget(at + 1, ReplaceAllButton);
            break;
        }
    }

    disconnect(SearchButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(SearchButton, &QPushButton::clicked, this, [this] { finish(Action::Search); });
    connect(ReplaceAllButton, &QPushButton::clicked, this, [this] { finish(Action::ReplaceAll); });
    connect(FolderButton, &QToolButton::clicked, this, [this] {
        const QString chosen = ProgramChoice::chooseFolder(
            this, QStringLiteral("Wählen Sie den Ordner aus!"), FolderText->currentText());
        if (!chosen.isEmpty())
            FolderText->setEditText(chosen);
    });
    // Tab walks the fields from the top, then the buttons in the order they stand.
    QWidget* chain[] = {FindText,     ReplaceText,      FolderText,     FolderButton,
                        TypesText,    SubfoldersBox,    MatchCaseBox,   WholeWordsBox,
                        SearchButton, ReplaceAllButton, cancelButton(), helpButton()};
    for (size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);
    FindText->setFocus();
    FindText->lineEdit()->selectAll();
}

FindInFilesValues TFindInFilesDialog::values() const
{
    return {FindText->currentText(),   ReplaceText->currentText(), FolderText->currentText(),
            TypesText->currentText(),  SubfoldersBox->isChecked(), MatchCaseBox->isChecked(),
            WholeWordsBox->isChecked()};
}

void TFindInFilesDialog::finish(Action action)
{
    const FindInFilesValues v = values();
    if (v.findText.isEmpty()) {
        FindText->setFocus();
        return;
    }
    auto refuse = [this](QWidget* field, const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Fehler"), text);
        field->setFocus();
    };
    if (FindInFiles::holdsLineBreak(v.findText) || FindInFiles::holdsLineBreak(v.replaceText))
        return refuse(FindText, QStringLiteral(
                                    "Such- und Ersatztext dürfen keinen Zeilenumbruch enthalten."));
    if (v.folder.isEmpty() || !QFileInfo(v.folder).isDir())
        return refuse(
            FolderText,
            QStringLiteral("Den Ordner %1 gibt es nicht.").arg(QDir::toNativeSeparators(v.folder)));
    m_action = action;
    try {
        remember();
    } catch (const SettingsError&) {
        // The search runs all the same; only the drop-downs will not offer these entries.
    }
    accept();
}

void TFindInFilesDialog::remember() const
{
    SettingsStore store;
    const std::pair<const QComboBox*, const char*> lists[] = {{FindText, "Suchen"},
                                                              {ReplaceText, "Ersetzen"},
                                                              {FolderText, "Ordner"},
                                                              {TypesText, "Typen"}};
    for (const auto& [box, field] : lists)
        store.writeList(Section, QString::fromLatin1(field), withNewest(box),
                        SettingsStore::CountForm::EntryCount);
    store.writeBool(Section, QStringLiteral("Unterordner"), SubfoldersBox->isChecked());
    store.writeBool(Section, QStringLiteral("GrossKlein"), MatchCaseBox->isChecked());
    store.writeBool(Section, QStringLiteral("GanzeWoerter"), WholeWordsBox->isChecked());
    store.sync();
}
