// The scheme-name dialog TDFSchema of the background dialog.
#include "references/SchemeNameDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TDFSchema::TDFSchema(const DialogEnv& env) : TDialog(env, QStringLiteral("Schema speichen"))
{
    setObjectName(QStringLiteral("DFSchema"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    EName = new QLineEdit(this);
    EName->setObjectName(QStringLiteral("EName"));
    EName->setMinimumWidth(220);
    auto* body = new QVBoxLayout;
    body->addWidget(labelFor("&Farbschema speichern unter:", EName));
    body->addWidget(EName);
    finishLayout(body);
    EName->setFocus();
}

QString TDFSchema::name() const
{
    return EName->text();
}
