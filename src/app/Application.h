// TessalineApplication: the Qt application with German standard texts and the general error report.
#pragma once

#include <QApplication>

class TessalineApplication : public QApplication
{
public:
    TessalineApplication(int& argc, char** argv);
    // A command's unhandled error ends that command, is shown, and the loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};
