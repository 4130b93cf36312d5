// EntityKeyFilter: turns each umlaut typed into a text field into its HTML entity.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

// A typed ä Ä ü Ü ö Ö or ß, from a key or an input-method commit, replaces the field's selection
// by the entity without its semicolon; the semicolon then arrives as an ordinary typed key, so
// overwrite mode, length limits and validators treat it like any other character. In text
// edits each entity is one undo step. The filter belongs to the field and dies with it.
class EntityKeyFilter : public QObject
{
    Q_OBJECT
public:
    // Asked at every typed character; the filter stands aside while it returns false.
    using Enabled = std::function<bool()>;

    static EntityKeyFilter* attach(QLineEdit* field, Enabled enabled = {});
    static EntityKeyFilter* attach(QPlainTextEdit* field, Enabled enabled = {});
    static EntityKeyFilter* attach(QTextEdit* field, Enabled enabled = {});
    // An editable combo box; nullptr for one without a line edit.
    static EntityKeyFilter* attach(QComboBox* field, Enabled enabled = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntityKeyFilter(QWidget* field, Enabled enabled);
    bool active() const;
    bool keyPress(QObject* receiver, QKeyEvent* event);
    bool inputMethod(QObject* receiver, QInputMethodEvent* event);
    // Writes the prefix over the selection, then sends the semicolon as a key to receiver.
    void typeEntity(QObject* receiver, const QString& prefix);

    QPointer<QWidget> m_field;
    Enabled m_enabled;
};
