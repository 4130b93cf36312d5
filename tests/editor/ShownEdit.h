// ShownEdit: a text control on screen with a text, painted once, for the editor's tests.
#pragma once

#include "editor/ExtRich.h"

#include <QTest>
#include <functional>
#include <memory>

// prepare runs before the text is loaded; nullptr when the control never came on screen.
inline std::unique_ptr<TExtRich> showEdit(const QString& text, QSize size,
                                          const std::function<void(TExtRich*)>& prepare = {})
{
    auto edit = std::make_unique<TExtRich>();
    if (prepare)
        prepare(edit.get());
    edit->resize(size);
    edit->loadText(text);
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get()))
        return nullptr;
    edit->viewport()->repaint();
    return edit;
}
