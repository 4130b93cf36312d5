// THintStatusBar: a status bar of named text panels whose tooltips follow the hint switch.
#pragma once

#include <QColor>
#include <QList>
#include <QStatusBar>

class QLabel;

class THintStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    struct PanelSpec {
        const char* name;
        int width;
        QString text;
        QString hint;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QColor color = QColor();
        bool bold = false;
        bool bevel = true;
    };

    explicit THintStatusBar(QWidget* parent = nullptr);

    void addPanel(const PanelSpec& spec);
    QLabel* panel(const QString& name) const;
    QString panelText(const QString& name) const;
    // Sets the text only when it differs, so the idle hook causes no repaints of its own.
    void setPanelText(const QString& name, const QString& text);
    void setHintsEnabled(bool enabled);

signals:
    // A click on a panel, at a global position below which a menu may open.
    void panelClicked(const QString& name, const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLabel*> m_panels;
    QList<QString> m_hints;
};
