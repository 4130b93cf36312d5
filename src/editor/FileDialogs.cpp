// Running the open and save dialogs so that the window behind them gets the keyboard back.
#include "editor/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

int runFileDialog(QFileDialog* dialog)
{
    const int result = dialog->exec();
    // Bounded: a popup that refuses to close must not hang the editor.
    for (int i = 0; i < 8; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            break;
        popup->close();
    }
    return result;
}
