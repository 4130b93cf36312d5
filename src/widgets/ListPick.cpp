// Editable drop-down lists that keep what the user typed.
#include "widgets/ListPick.h"

#include <QComboBox>

void keepTypedTextInLists(QWidget* root)
{
    const auto boxes = root->findChildren<QComboBox*>();
    for (QComboBox* box : boxes) {
        if (box->isEditable())
            box->setCompleter(nullptr);
    }
}
