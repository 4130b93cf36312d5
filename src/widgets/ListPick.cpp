// Editable drop-down lists that keep what the user typed.
#include "widgets/ListPick.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>
#include <utility>

namespace
{

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

} // namespace

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
