// The scheme-name dialog TDFSchema of the background dialog.
#pragma once

#include "widgets/DialogBase.h"

class QLineEdit;

// Asks for the name a colour scheme is saved under; stays on top of its owner.
class TDFSchema : public TDialog
{
    Q_OBJECT
public:
    explicit TDFSchema(const DialogEnv& env);
    QString name() const;

    QLineEdit* EName;
};
