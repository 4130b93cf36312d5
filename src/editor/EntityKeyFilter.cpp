// EntityKeyFilter: turns each umlaut typed into a text field into its HTML entity.
#include "editor/EntityKeyFilter.h"

#include "editor/Conversions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace
{

// The filter tests the characters in this order; the table order of the conversions differs.
constexpr char16_t filtered[] = {u'\u00C4', u'\u00E4', u'\u00DC', u'\u00FC',
                                 u'\u00D6', u'\u00F6', u'\u00DF'};

bool isFiltered(QChar c)
{
    return std::find(std::begin(filtered), std::end(filtered), c.unicode()) != std::end(filtered);
}

bool containsFiltered(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), isFiltered);
}

QLineEdit* lineEditOf(QWidget* field)
{
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

bool isReadOnly(QWidget* field)
{
    if (QLineEdit* line = lineEditOf(field))
        return line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return plain->isReadOnly();
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return rich->isReadOnly();
    return true;
}

// Writes text over the selection of a text edit and leaves the caret behind it.
template <class Edit> void writeOverSelection(Edit* edit, const QString& text)
{
    QTextCursor cursor = edit->textCursor();
    cursor.insertText(text);
    edit->setTextCursor(cursor);
}

void sendSemicolon(QObject* receiver)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Semicolon, Qt::NoModifier, QStringLiteral(";"));
    QCoreApplication::sendEvent(receiver, &press);
}

} // namespace

EntityKeyFilter::EntityKeyFilter(QWidget* field, Enabled enabled)
    : QObject(field), m_field(field), m_enabled(std::move(enabled))
{
    field->installEventFilter(this);
}

EntityKeyFilter* EntityKeyFilter::attach(QLineEdit* field, Enabled enabled)
{
    return field ? new EntityKeyFilter(field, std::move(enabled)) : nullptr;
}

EntityKeyFilter* EntityKeyFilter::attach(QPlainTextEdit* field, Enabled enabled)
{
    return field ? new EntityKeyFilter(field, std::move(enabled)) : nullptr;
}

EntityKeyFilter* EntityKeyFilter::attach(QTextEdit* field, Enabled enabled)
{
    return field ? new EntityKeyFilter(field, std::move(enabled)) : nullptr;
}

EntityKeyFilter* EntityKeyFilter::attach(QComboBox* field, Enabled enabled)
{
    if (!field || !field->lineEdit())
        return nullptr;
    auto* filter = new EntityKeyFilter(field, std::move(enabled));
    // The combo box hands its keys to the line edit directly, past any filter there; keys sent
    // to the line edit itself are caught by this second watch.
    field->lineEdit()->installEventFilter(filter);
    return filter;
}

bool EntityKeyFilter::active() const
{
    return m_field && !isReadOnly(m_field) && (!m_enabled || m_enabled());
}

bool EntityKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPress(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod)
        return inputMethod(watched, static_cast<QInputMethodEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool EntityKeyFilter::keyPress(QObject* receiver, QKeyEvent* event)
{
    const QString text = event->text();
    if (!containsFiltered(text) || !active())
        return false;
    // Ctrl with a letter is a command, not typing (Ctrl+Alt is AltGr and types).
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return false;

    // A compressed key event may carry several characters; each is typed on its own.
    for (const QChar c : text) {
        if (isFiltered(c)) {
            typeEntity(receiver, entityPrefix(c));
        } else {
            QKeyEvent plain(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(receiver, &plain);
        }
    }
    event->accept();
    return true;
}

bool EntityKeyFilter::inputMethod(QObject* receiver, QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (!containsFiltered(commit) || !active())
        return false;

    // The replacement and the end of the composition go first; then the committed text in
    // runs, each umlaut typed like a key; the new preedit text (if any) comes last.
    QInputMethodEvent opening;
    qsizetype i = 0;
    while (i < commit.size() && !isFiltered(commit[i]))
        ++i;
    opening.setCommitString(commit.left(i), event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(receiver, &opening);
    while (i < commit.size()) {
        if (isFiltered(commit[i])) {
            typeEntity(receiver, entityPrefix(commit[i]));
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < commit.size() && !isFiltered(commit[i]))
            ++i;
        QInputMethodEvent run;
        run.setCommitString(commit.mid(start, i - start));
        QCoreApplication::sendEvent(receiver, &run);
    }
    if (!event->preeditString().isEmpty() || !event->attributes().isEmpty()) {
        QInputMethodEvent closing(event->preeditString(), event->attributes());
        QCoreApplication::sendEvent(receiver, &closing);
    }
    event->accept();
    return true;
}

void EntityKeyFilter::typeEntity(QObject* receiver, const QString& prefix)
{
    QWidget* field = m_field;
    if (QLineEdit* line = lineEditOf(field)) {
        line->insert(prefix);
        sendSemicolon(receiver);
        return;
    }
    QTextDocument* doc = nullptr;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        doc = plain->document();
    else if (auto* rich = qobject_cast<QTextEdit*>(field))
        doc = rich->document();
    if (!doc)
        return;
    // Prefix and semicolon in one edit block: undo takes the whole entity back at once.
    QTextCursor block(doc);
    block.beginEditBlock();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        writeOverSelection(plain, prefix);
    else
        writeOverSelection(qobject_cast<QTextEdit*>(field), prefix);
    sendSemicolon(receiver);
    block.endEditBlock();
}
