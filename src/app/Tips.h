// TTipsDialog: the "Tips und Tricks" window with one random tip, at start and from the Help menu.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class SettingsStore;

// The text of tip number (1 ... 22); empty for any other number.
QString tipText(int number);

class TTipsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TTipsDialog(QWidget* parent = nullptr);

    void setHelpContext(int topic) { m_helpContext = topic; }
    int helpContext() const { return m_helpContext; }
    void setTipRange(int first, int count);
    // Draws the next tip at random from the range; the same one may come twice in a row.
    void showRandomTip();

    QLabel* TipLabel;
    QPushButton* OKBtn;
    QPushButton* HelpBtn;
    QPushButton* BitBtn1;
    QCheckBox* TipsZeigenCheckBox;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_first = 1;
    int m_count = 22;
    int m_helpContext = 0;
};

// Shows the tip window. In start-up mode it opens only while the stored switch says so and
// stores the check box afterwards (also when it stayed closed); in menu mode it always opens,
// checked, and writes nothing.
void showTips(QWidget* parent, int first, int count, SettingsStore& store, int helpContext,
              bool startUp);
