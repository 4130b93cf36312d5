// TFileDrag: accepts files dropped from the desktop onto its owner window and lists them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

class TFileDrag : public QObject
{
    Q_OBJECT
public:
    // Attaches to the owner window as its child; dropping starts switched off.
    explicit TFileDrag(QWidget* owner);
    ~TFileDrag() override;

    bool enableDrop() const { return m_enableDrop; }
    void setEnableDrop(bool enable);

    // The lists of the last drop, in drop order.
    QStringList NameWithPath; // full path of each file
    QStringList NameOnly;     // text after the last path separator
    QStringList Extension;    // text after the first dot of the name, empty without a dot
    int FileCount = 0;

    // Reads a list of local paths into the lists and raises OnDrop (the drop handler calls it;
    // tests may call it directly).
    void takeDrop(const QStringList& paths);

signals:
    void OnDrop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_owner; // may go before the component does
    bool m_enableDrop = false;
};
