// TEinstellungen: the settings dialog with its four pages and the working copy of the tools.
#pragma once

#include "core/ShellState.h"
#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QList>
#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TColorGrid;
class TEditorSample;

class TEinstellungen : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 306;
    static constexpr int MaxPathLength = 255;
    // The named colours that are not system colours, in the background list's order.
    static const std::array<const char*, 17> BackgroundNames;

    // Fills every page from the shell state and the store (FormCreate); the style and
    // alignment clicks change state at once, everything else only at OK.
    TEinstellungen(const DialogEnv& env, ShellState& state);

    QTabWidget* PageControl1;

    // "&Allgemeine Einstellungen"
    QLineEdit* EBrowser1;
    QLineEdit* EBrowser2;
    QToolButton* SBtnFileOpen1;
    QToolButton* SBtnFileOpen2;
    QLineEdit* Edit13; // plug-in directory
    QLineEdit* Edit14; // URL-list directory
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    // In toolbar order: XToolBar1 ... XToolBar10.
    std::array<QCheckBox*, ShellState::ToolBarCount> toolBarBoxes{};
    QLineEdit* EBackUpExten;
    QSpinBox* SEIntervall;
    QSpinBox* SEAutmSich;
    QLineEdit* EPfadBackUp;
    QToolButton* SpeedButton1;
    QCheckBox* HintCheckBox;
    QCheckBox* SitzungCheckBox; // the last session opens again at the next start

    // "&Benutzerangaben": Edit2 ... Edit11.
    std::array<QLineEdit*, 10> userFields{};

    // "&Editoreinstellungen"
    QListWidget* MFontListBox;
    QListWidget* MBackListBox;
    QSpinBox* MFontSizeEdit;
    QCheckBox* MStyleBold;
    QCheckBox* MStyleItalic;
    QCheckBox* MStyleUnderline;
    QRadioButton* MAlignLeft;
    QRadioButton* MAlignCenter;
    QRadioButton* MAlignRight;
    TColorGrid* MFontColorGrid;
    TEditorSample* RichEdit1;

    // "&Tools"
    QListWidget* PickList1;
    QToolButton* SpeedButton6; // up
    QToolButton* SpeedButton7; // down
    QPushButton* BitBtn4;      // add
    QPushButton* BitBtn5;      // delete
    QPushButton* BitBtn6;      // edit

    const QList<ToolEntry>& workingTools() const { return m_tools; }

    // Tool page operations on the working copy and the pick list together.
    void SpeedButton6Click();
    void SpeedButton7Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    // OK: writes the store and the shell state in their order, then closes with OK.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildUserPage();
    QWidget* buildEditorPage();
    QWidget* buildToolPage();
    void FormCreate();
    void FormShow();
    void readToolsAndStyle();
    void styleClick();
    void alignClick(Qt::Alignment align, const char* text);
    void exchangeTools(int a, int b);
    void setEditButtonsEnabled(bool enabled);
    int selectedTool() const;

    ShellState& m_state;
    DialogEnv m_env;
    QList<ToolEntry> m_tools; // the working copy
    bool m_shown = false;
};

// The document window's "&Einstellungen" item: the frame's settings command.
std::span<const DocumentCommand> settingsCommands();
