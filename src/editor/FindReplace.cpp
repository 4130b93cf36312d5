// Find and replace of a document window: its two modeless dialogs and the commands behind them.
#include "editor/FindReplace.h"

#include "widgets/DialogMnemonics.h"

#include "editor/TextControl.h"
#include "platform/ErrorReport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// ---- dialog -------------------------------------------------------------------------------

TSearchDialog::TSearchDialog(Kind kind, QWidget* parent) : QDialog(parent), m_kind(kind)
{
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? QStringLiteral("Ersetzen") : QStringLiteral("Suchen"));
    setModal(false);

    auto* fields = new QFormLayout;
    m_findText = new QLineEdit;
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_findText->setMaxLength(int(MaxSearchLength));
    fields->addRow(QStringLiteral("Suchen &nach:"), m_findText);
    if (replacing) {
        m_replaceText = new QLineEdit;
        m_replaceText->setObjectName(QStringLiteral("ReplaceText"));
        fields->addRow(QStringLiteral("Ersetzen &durch:"), m_replaceText);
    }

    m_wholeWord = new QCheckBox(QStringLiteral("Nur &ganze Wörter"));
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("Groß-/&Kleinschreibung"));
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    checks->addStretch();

    auto* direction = new QGroupBox(QStringLiteral("Richtung"));
    m_up = new QRadioButton(QStringLiteral("Nach &oben"));
    m_up->setObjectName(QStringLiteral("DirectionUp"));
    m_down = new QRadioButton(QStringLiteral("Nach &unten"));
    m_down->setObjectName(QStringLiteral("DirectionDown"));
    m_down->setChecked(true);
    auto* directionLayout = new QVBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addLayout(checks);
    optionsRow->addWidget(direction);

    auto* buttons = new QDialogButtonBox(Qt::Vertical);
    auto addButton = [buttons](const char* name, const QString& caption) {
        auto* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    m_findNext = addButton("FindNextButton", QStringLiteral("&Weitersuchen"));
    m_findNext->setDefault(true);
    connect(m_findNext, &QPushButton::clicked, this, &TSearchDialog::findNextClicked);
    if (replacing) {
        m_replace = addButton("ReplaceButton", QStringLiteral("&Ersetzen"));
        m_replaceAll = addButton("ReplaceAllButton", QStringLiteral("&Alle ersetzen"));
        connect(m_replace, &QPushButton::clicked, this, [this] { emit replaceClicked(false); });
        connect(m_replaceAll, &QPushButton::clicked, this, [this] { emit replaceClicked(true); });
    }
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(optionsRow);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buttons);
    resolveButtonMnemonics(this);
}

QString TSearchDialog::findText() const
{
    return m_findText->text();
}

void TSearchDialog::setFindText(const QString& text)
{
    m_findText->setText(text);
}

QString TSearchDialog::replaceText() const
{
    return m_replaceText ? m_replaceText->text() : QString();
}

void TSearchDialog::setReplaceText(const QString& text)
{
    if (m_replaceText)
        m_replaceText->setText(text);
}

SearchOptions TSearchDialog::options() const
{
    return {m_down->isChecked(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void TSearchDialog::setOptions(const SearchOptions& options)
{
    (options.down ? m_down : m_up)->setChecked(true);
    m_matchCase->setChecked(options.matchCase);
    m_wholeWord->setChecked(options.wholeWord);
}

void TSearchDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_findText->setFocus();
    m_findText->selectAll();
}

// ---- commands -----------------------------------------------------------------------------

TFindReplace::TFindReplace(TExtRich* memo, QWidget* owner)
    : QObject(owner), m_memo(memo), m_owner(owner)
{
}

TFindReplace::~TFindReplace()
{
    // Dialogs without an owner window are ours to delete.
    for (TSearchDialog* dialog : {m_findDialog.data(), m_replaceDialog.data()})
        if (dialog && !dialog->parent())
            delete dialog;
}

TSearchDialog* TFindReplace::findDialog()
{
    if (!m_findDialog) {
        m_findDialog = new TSearchDialog(TSearchDialog::Kind::Find, m_owner);
        connect(m_findDialog, &TSearchDialog::findNextClicked, this, &TFindReplace::Find);
    }
    return m_findDialog;
}

TSearchDialog* TFindReplace::replaceDialog()
{
    if (!m_replaceDialog) {
        m_replaceDialog = new TSearchDialog(TSearchDialog::Kind::Replace, m_owner);
        connect(m_replaceDialog, &TSearchDialog::findNextClicked, this,
                &TFindReplace::ReplaceDialog1Find);
        connect(m_replaceDialog, &TSearchDialog::replaceClicked, this, &TFindReplace::Replace);
    }
    return m_replaceDialog;
}

void TFindReplace::showDialog(TSearchDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TFindReplace::Suchen2Click()
{
    // The control keeps its selection visible without the focus, so the dialog does not hide
    // what it finds.
    showDialog(findDialog());
    emit searchStarted();
}

void TFindReplace::Ersetzen2Click()
{
    showDialog(replaceDialog());
}

void TFindReplace::Find()
{
    TSearchDialog* dialog = findDialog();
    const QString findText = dialog->findText();
    if (!SearchInControl(m_memo, findText, dialog->options()))
        reportNotFound(findText);
    dialog->close();
}

void TFindReplace::ReplaceDialog1Find()
{
    TSearchDialog* dialog = replaceDialog();
    const QString findText = dialog->findText();
    if (!SearchInControl(m_memo, findText, dialog->options())) {
        reportNotFound(findText);
        dialog->close();
        return;
    }
    // The caret ends behind the replacement, whatever the direction.
    if (askReplace(QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        replaceFound(dialog->replaceText(), false, false);
    else
        dialog->close();
}

void TFindReplace::Replace(bool all)
{
    TSearchDialog* dialog = replaceDialog();
    bool found = SearchInControl(m_memo, dialog->findText(), dialog->options());
    bool replaced = false;
    while (found && all) {
        const QMessageBox::StandardButton answer =
            askReplace(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) {
            replaceFound(dialog->replaceText(), !dialog->options().down, replaced);
            replaced = true;
        } else if (answer != QMessageBox::No) {
            dialog->close();
            return;
        }
        // Searching on from behind the inserted text never finds the find text inside the
        // replacement again, so replacing always comes to an end.
        found = SearchInControl(m_memo, dialog->findText(), dialog->options());
    }
    if (!found && !all)
        reportNotFound(dialog->findText());
    dialog->close();
}

void TFindReplace::reportNotFound(const QString& findText)
{
    QMessageBox box(QMessageBox::NoIcon, AppInfo::Title,
                    QLatin1Char('"') + findText + QStringLiteral("\" wurde nicht gefunden."),
                    QMessageBox::Ok, m_owner);
    box.exec();
}

QMessageBox::StandardButton TFindReplace::askReplace(QMessageBox::StandardButtons buttons)
{
    if (m_answerer)
        return m_answerer(buttons);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Suchen und ersetzen!"),
                    QStringLiteral("Dieses Vorkommen ersetzen?"), buttons, m_owner);
    return QMessageBox::StandardButton(box.exec());
}

void TFindReplace::replaceFound(const QString& replacement, bool upwards, bool continuing)
{
    if (!m_memo)
        return;
    const int start = m_memo->selStart();
    // One replace-all is one undo step, even with the questions between its replacements.
    m_memo->replaceSelection(replacement, continuing ? TExtRich::UndoStep::JoinPrevious
                                                     : TExtRich::UndoStep::Own);
    // Going up, the next search must begin in front of the inserted text, not inside it.
    if (upwards)
        m_memo->setSelStart(start);
}
