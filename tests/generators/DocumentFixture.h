// A frame with one document for tests of generator commands driven through their dialogs.
#pragma once

#include "app/Main.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

class DocumentFixture
{
public:
    DocumentFixture()
    {
        frame = std::make_unique<TMainForm>(StartOptions{QString(), false});
        frame->show();
        child = frame->createChild();
        memo = child->TextMemo;
    }
    ~DocumentFixture()
    {
        waitNoModal(1000);
        for (TMDIChild* c : frame->children())
            c->closeWithoutQuery();
        runIdle();
        frame.reset();
    }

    // Text with the caret at its end.
    void setText(const QString& text)
    {
        memo->loadText(text);
        memo->setSelStart(memo->textLength());
    }
    // Runs the document window's menu item of that name.
    void trigger(const char* item) { child->action(QString::fromLatin1(item))->trigger(); }

    TestEnvironment env;
    std::unique_ptr<TMainForm> frame;
    TMDIChild* child = nullptr;
    TExtRich* memo = nullptr;
};

// The next modal dialog of class D, handed to fill and then closed by clicking the button of
// that objectName (an empty name leaves closing to fill).
template <class D>
void answerDialog(std::function<void(D*)> fill, const QString& button = QStringLiteral("BitBtn1"))
{
    whenModal([fill, button](QWidget* w) {
        auto* dialog = qobject_cast<D*>(w);
        // Mnemonics and the default button need the dialog to be the active window.
        if (!dialog || !dialog->isActiveWindow())
            return false;
        fill(dialog);
        if (!button.isEmpty())
            dialog->template findChild<QPushButton*>(button)->click();
        return true;
    });
}
