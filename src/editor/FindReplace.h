// Find and replace of a document window: its two modeless dialogs and the commands behind them.
#pragma once

#include "editor/Search.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TExtRich;

// The find dialog ("FindDialog1") or, with a replacement field, the replace dialog
// ("ReplaceDialog1"). Closing only hides it: texts and options last as long as the dialog.
class TSearchDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Find, Replace };
    TSearchDialog(Kind kind, QWidget* parent);

    Kind kind() const { return m_kind; }
    QString findText() const;
    void setFindText(const QString& text);
    QString replaceText() const;
    void setReplaceText(const QString& text);
    SearchOptions options() const;
    void setOptions(const SearchOptions& options);

    QPushButton* findNextButton() const { return m_findNext; }
    QPushButton* replaceButton() const { return m_replace; }       // replace dialog only
    QPushButton* replaceAllButton() const { return m_replaceAll; } // replace dialog only

signals:
    void findNextClicked();
    void replaceClicked(bool all);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Kind m_kind;
    QLineEdit* m_findText = nullptr;
    QLineEdit* m_replaceText = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_replaceAll = nullptr;
};

// The window's find and replace commands on its text control. The dialogs are made on first
// use and belong to the owner window; messages are owned by it too.
class TFindReplace : public QObject
{
    Q_OBJECT
public:
    TFindReplace(TExtRich* memo, QWidget* owner);
    ~TFindReplace() override;

    TSearchDialog* findDialog();    // "FindDialog1"
    TSearchDialog* replaceDialog(); // "ReplaceDialog1"

    // Shows the find dialog and emits searchStarted.
    void Suchen2Click();
    // Repeats the find dialog's last search from the current selection without showing it.
    void FindNext1Click() { Find(); }
    // Shows the replace dialog; the search state of the window is left alone.
    void Ersetzen2Click();

    // The find dialog's find-next button: search, report when nothing is found, close it.
    void Find();
    // The replace dialog's find-next button: search and offer to replace what was found.
    void ReplaceDialog1Find();
    // The replace dialog's replace (select the next occurrence) and replace-all buttons.
    void Replace(bool all);

    // How the question "Dieses Vorkommen ersetzen?" is answered: by a message box unless a
    // driver (a benchmark, a script) answers it itself.
    using Answerer = std::function<QMessageBox::StandardButton(QMessageBox::StandardButtons)>;
    void setAnswerer(Answerer answerer) { m_answerer = std::move(answerer); }

signals:
    // The find dialog was opened: find-next becomes available in the window and the frame.
    void searchStarted();

private:
    void showDialog(TSearchDialog* dialog);
    void reportNotFound(const QString& findText);
    QMessageBox::StandardButton askReplace(QMessageBox::StandardButtons buttons);
    // Replaces the found occurrence; continuing joins the undo step of the previous one.
    void replaceFound(const QString& replacement, bool upwards, bool continuing);

    QPointer<TExtRich> m_memo;
    QPointer<QWidget> m_owner;
    QPointer<TSearchDialog> m_findDialog;
    QPointer<TSearchDialog> m_replaceDialog;
    Answerer m_answerer;
};
