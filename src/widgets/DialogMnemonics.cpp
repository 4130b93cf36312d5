// One Alt+letter per control: buttons give up a mnemonic letter a field already uses.
#include "widgets/DialogMnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

QChar mnemonicLetter(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

QString withoutMnemonic(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    bool removed = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) {
            // "&&" is kept as it is: it still shows one ampersand and marks no letter.
            if (caption.at(i + 1) == QLatin1Char('&')) {
                out += QStringLiteral("&&");
                ++i;
                continue;
            }
            if (!removed) {
                removed = true;
                continue;
            }
        }
        out += caption.at(i);
    }
    return out;
}

bool isDialogButton(const QPushButton* button)
{
    static const QSet<QString> captions{QStringLiteral("OK"), QStringLiteral("Abbruch"),
                                        QStringLiteral("Abbrechen"), QStringLiteral("Hilfe"),
                                        QStringLiteral("Schließen")};
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    return captions.contains(caption.trimmed());
}

namespace
{

// Who keeps a shared letter: fields before other buttons, those before the dialog's buttons.
enum class Rank { Field, Button, DialogButton };

struct Carrier {
    QWidget* widget;
    QChar letter;
    Rank rank;
    QList<std::pair<const QStackedWidget*, int>> pages; // the tab pages it sits on
};

QList<std::pair<const QStackedWidget*, int>> pagesOf(QWidget* widget, const QWidget* window)
{
    QList<std::pair<const QStackedWidget*, int>> pages;
    for (QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget()))
            pages.append({stack, stack->indexOf(w)});
    return pages;
}

// Controls on different pages of one tab widget are never shown together.
bool shownTogether(const Carrier& a, const Carrier& b)
{
    for (const auto& [stack, index] : a.pages)
        for (const auto& [otherStack, otherIndex] : b.pages)
            if (stack == otherStack && index != otherIndex)
                return false;
    return true;
}

} // namespace

void resolveButtonMnemonics(QWidget* window)
{
    QList<Carrier> carriers;
    auto note = [&](QWidget* widget, const QString& caption, Rank rank) {
        const QChar letter = mnemonicLetter(caption);
        if (!letter.isNull())
            carriers.append({widget, letter, rank, pagesOf(widget, window)});
    };
    // A label without a buddy shows its "&" but grabs no key.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            note(label, label->text(), Rank::Field);
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const auto* push = qobject_cast<const QPushButton*>(button);
        note(button, button->text(),
             !push                  ? Rank::Field
             : isDialogButton(push) ? Rank::DialogButton
                                    : Rank::Button);
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        note(group, group->title(), Rank::Field);
    for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            note(tabs, tabs->tabText(i), Rank::Field);
    }
    for (const Carrier& button : carriers) {
        if (button.rank == Rank::Field)
            continue;
        const bool taken = std::any_of(carriers.begin(), carriers.end(), [&](const Carrier& c) {
            return c.rank < button.rank && c.letter == button.letter && shownTogether(c, button);
        });
        if (taken) {
            auto* push = static_cast<QPushButton*>(button.widget);
            push->setText(withoutMnemonic(push->text()));
        }
    }
}
