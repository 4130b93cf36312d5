// Drop-down lists that keep what the user typed and a sane width.
#include "widgets/ListPick.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <utility>

namespace
{

// What a line edit holds unless told otherwise.
constexpr int LineEditDefaultLimit = 32767;

// Watches the open list of one box. The box's own popup reports a pick from an event filter on
// the same view; filters installed later run first, so a click or Return is marked here just
// before the box emits activated for it. The mark lasts only for the event that set it.
class OpenListWatch : public QObject
{
public:
    explicit OpenListWatch(QComboBox* box) : QObject(box), m_view(box->view())
    {
        // view() creates the popup and installs its filter, so ours comes after it.
        m_view->installEventFilter(this);
        m_view->viewport()->installEventFilter(this);
    }

    // Whether the activation now being reported comes from the open list; clears the mark.
    bool takePick() { return std::exchange(m_pending, false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only the open list picks; the key press that follows a picking shortcut override
        // reaches a list already closed.
        if (!m_view->isVisible())
            return QObject::eventFilter(watched, event);
        switch (event->type()) {
        // The popup takes Return already as a shortcut override, before the key press itself.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                mark();
            break;
        }
        case QEvent::MouseButtonRelease:
            mark();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void mark()
    {
        m_pending = true;
        // A release or key the popup does not turn into a pick must not make a later typed
        // text count as one.
        QTimer::singleShot(0, this, [this] { m_pending = false; });
    }

    QAbstractItemView* m_view;
    bool m_pending = false;
};

// Holds the open list of one box to the box's width or the narrow width, whichever is more: the
// popup would otherwise grow to its longest entry, up to the whole screen.
class OpenListWidth : public QObject
{
public:
    OpenListWidth(QComboBox* box, int narrowWidth)
        : QObject(box), m_box(box), m_popup(box->view()->parentWidget()), m_narrow(narrowWidth)
    {
        box->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        if (m_popup)
            m_popup->setMaximumWidth(std::max(m_box->width(), m_narrow));
    }

    QComboBox* m_box;
    QWidget* m_popup;
    int m_narrow;
};

} // namespace

void keepListsNarrow(QWidget* root)
{
    const auto boxes = root->findChildren<QComboBox*>();
    for (QComboBox* box : boxes) {
        // A dialog shown again, or a list inside a list's dialog, is narrowed once.
        if (box->property("tessalineNarrowList").toBool())
            continue;
        box->setProperty("tessalineNarrowList", true);
        box->view()->setTextElideMode(Qt::ElideMiddle);
        const QFontMetrics metrics = box->fontMetrics();
        const int narrow = NarrowListChars * metrics.horizontalAdvance(u'X');
        new OpenListWidth(box, narrow);
        // A line edit keeps only the first 32 767 characters unless told otherwise; a picked
        // entry is taken whole. A limit the dialog set stays.
        if (QLineEdit* edit = box->lineEdit(); edit && edit->maxLength() == LineEditDefaultLimit)
            edit->setMaxLength(std::numeric_limits<int>::max());
        // A box that was given a width in characters keeps it.
        if (box->sizeAdjustPolicy() == QComboBox::AdjustToMinimumContentsLengthWithIcon)
            continue;
        // The box measures its entries only when it is first shown, after the dialog has taken
        // its size; so they are measured here.
        bool wide = false;
        for (int i = 0; i < box->count() && !wide; ++i)
            wide = metrics.horizontalAdvance(box->itemText(i)) > narrow;
        if (!wide)
            continue;
        box->setMinimumContentsLength(NarrowListChars);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        // A minimum it measured from its entries earlier would still hold; one of its own
        // replaces it.
        box->setMinimumWidth(box->sizeHint().width());
    }
}

void keepTypedTextInLists(QWidget* root)
{
    const auto boxes = root->findChildren<QComboBox*>();
    for (QComboBox* box : boxes) {
        if (box->isEditable())
            box->setCompleter(nullptr);
    }
}

void onListPick(QComboBox* box, QObject* context, std::function<void(int)> pick)
{
    auto* watch = new OpenListWatch(box);
    QObject::connect(box, &QComboBox::activated, context,
                     [watch, pick = std::move(pick)](int index) {
                         if (watch->takePick() && index >= 0)
                             pick(index);
                     });
}
