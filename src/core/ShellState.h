// The application-wide values the frame loads at start and every command reads while it runs.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class SettingsStore;

struct UserData {
    QString UserName, UserFirma, UserStreet, UserZip, UserState, UserTel, UserFax, UserEMail,
        UserEMail1, UserHomepage;
};

struct ToolEntry {
    QString name, program, workingDir, parameters;
};

struct ShellState {
    static constexpr int ToolBarCount = 10;
    static constexpr int DesignedBackupInterval = 60000;
    static constexpr int DesignedAutoSaveInterval = 120000;

    QString helpFile;
    QString pendingFile; // command-line file, opened once at the first activation

    QList<ToolEntry> tools; // may hold more entries than toolCount
    int toolCount = 0;

    QStringList recentFiles; // newest first
    int recentLastIndex = -1;
    int recentMaxIndex = -1;

    QStringList listGeneratorLines;
    QStringList tableGeneratorLines;

    int backupInterval = DesignedBackupInterval;
    int autoSaveInterval = DesignedAutoSaveInterval;
    QString backupExt = QStringLiteral(".bak");

    QString fontName = QStringLiteral("Default");
    int fontSize = -1;
    std::uint32_t fontColor = 0x000000;
    std::uint32_t background = 0xFFFFFF;
    QString align = QStringLiteral("Default");
    bool bold = false, italic = false, underline = false;

    QString browser1Path = QStringLiteral("Default");
    QString browser2Path = QStringLiteral("Default");
    bool browser1Selected = false;
    bool browser2Selected = false;

    int left = -1, top = -1, width = -1, height = -1;
    QString windowState = QStringLiteral("Default");

    QString urlListDir, plugInDir, backupDir;
    UserData user;
    bool hintsOn = true;
    std::array<bool, ToolBarCount> toolBarVisible{true, true, true, true, true,
                                                  true, true, true, true, true};

    bool urlListMayOpen = true;
    bool plugInMayOpen = true;

    QString headingOpen, headingClose, fontSizeOpen;

    // Set by the OK button of a flag dialog and cleared by every other way it closes; the
    // command that showed the dialog reads it afterwards.
    bool acceptFlag = false;
    // The title dialog's last results: "<title>...</title>" CR LF (or empty) and the document
    // type line as shown (or empty).
    QString titleLine, docTypeLine;
    // Name of the last radio button or check box, offered again by the next one.
    QString switchName;

    // Reading at start, in the frame's order (tools, recent files, editor options, browsers,
    // bounds, directories with the first-start step, user data, hints).
    void readRecentFiles(const SettingsStore& store);
    void readEditorOptions(const SettingsStore& store);
    void readBrowsers(const SettingsStore& store);
    void readWindowBounds(const SettingsStore& store);
    void readDirectories(SettingsStore& store); // runs the first-start step too
    void readUserData(const SettingsStore& store);
    void readHints(const SettingsStore& store);
    void readToolBarVisibility(const SettingsStore& toolbarStore);

    // Written at shutdown.
    void writeShutdownOptions(SettingsStore& store) const;
    void writeToolBarVisibility(SettingsStore& toolbarStore) const;
};

// Hint text of a browser button: "HTML Datei mit " + name + " testen".
QString browserCaption(const QString& browserPath);
