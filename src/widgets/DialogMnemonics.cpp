// One Alt+letter per control: dialog buttons give up a mnemonic letter a field already uses.
#include "widgets/DialogMnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTabBar>

namespace
{

// The mnemonic letter of a caption ("PLZ/&Ort:" gives 'o'), or a null character.
QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

// The caption without its mnemonic mark; a doubled "&&" stays a visible ampersand.
QString withoutMnemonic(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            out += text.at(++i);
            continue;
        }
        out += text.at(i);
    }
    return out;
}

} // namespace

void resolveButtonMnemonics(QWidget* window)
{
    QSet<QChar> fieldLetters;
    auto note = [&](const QString& text) {
        const QChar letter = mnemonicOf(text);
        if (!letter.isNull())
            fieldLetters.insert(letter);
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            note(label->text());
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QPushButton*>(button))
            note(button->text());
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        note(group->title());
    for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            note(tabs->tabText(i));
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QChar letter = mnemonicOf(button->text());
        if (!letter.isNull() && fieldLetters.contains(letter))
            button->setText(withoutMnemonic(button->text()));
    }
}
