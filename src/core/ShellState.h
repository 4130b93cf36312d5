// The application-wide values the frame loads at start and every command reads while it runs.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class SettingsStore;

struct UserData {
    QString UserName, UserFirma, UserStreet, UserZip, UserState, UserTel, UserFax, UserEMail,
        UserEMail1, UserHomepage;
};

struct ToolEntry {
    QString name, program, workingDir, parameters;
};

// Where the frame goes at start: its size, and its top-left corner when one was stored.
struct FramePlacement {
    QRect bounds;
    bool placed = false; // false: the platform chooses the position
};

// What the table dialog showed when it last closed, kept while the program runs; the table command
// builds its markup from it. The cell texts are the shell state's tableGeneratorLines, row by row.
struct TableMemory {
    QString columns; // decimal; empty until the table dialog has closed once
    QString rows, border, cellSpacing, cellPadding;
    QString tableHeight, tableWidth, title1, title2; // as typed, never cut
    bool firstRowHeader = false;
    bool title1On = false, title2On = false, title2Footer = false;
    bool forceColumnWidth = false, forceRowHeight = false;
    int rowHeight = 0;       // of data row 1 in the preview grid, pixels
    QList<int> columnWidths; // of the data columns, the first one first, pixels
};

struct ShellState {
    static constexpr int ToolBarCount = 10;
    static constexpr int DesignedBackupInterval = 60000;
    static constexpr int DesignedAutoSaveInterval = 120000;
    // Shorter timer periods would rewrite documents and backups all the time; 0 switches off.
    static constexpr int MinTimerInterval = 1000;
    // The recent-file list shows at most this many entries, whatever "History"/"MaxCount" says.
    static constexpr int MaxRecentFiles = 30;
    // Larger stored point sizes would make every glyph a huge bitmap.
    static constexpr int MaxFontSize = 400;
    // Room left around a frame that has no stored size, so the desktop stays in sight.
    static constexpr int FirstStartMargin = 24;

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

    // A browser counts as set only with its switch on and its program named; the path is empty
    // for one that is not set.
    QString browser1Path, browser2Path;
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
    // The last quick background colour of this run; it presets the background dialog.
    std::optional<std::uint32_t> quickBackground;

    TableMemory tableMemory;
    // The list dialog's memory, shared by the nine list commands for the whole run and never
    // stored; its lines are listGeneratorLines. A line count of 0 makes the next list command
    // start with one empty line.
    struct ListMemory {
        int lineCount = 0;
        int helpTopic = 0;
        bool accepted = false; // the list dialog's own flag, not acceptFlag
        QString selectName;
        QString selectSizePart;     // " size=" + size, or empty
        QString selectMultiplePart; // " multiple" or empty
    };
    ListMemory listMemory;

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

    // The frame's bounds from the stored ones, kept on the available screen areas by
    // fitFrameOnScreen. Without a stored size the frame takes the primary area less
    // FirstStartMargin on every side (designedSize when no screen is known).
    FramePlacement framePlacement(QSize designedSize, QSize minimumSize,
                                  const QList<QRect>& availableAreas) const;

    // A stored timer period as used: 0 stays off, periods of at least MinTimerInterval stand,
    // anything else (negative, absent, too short) gives the designed period.
    static int timerInterval(int stored, int designed);

    // Written at shutdown.
    void writeShutdownOptions(SettingsStore& store) const;
    void writeToolBarVisibility(SettingsStore& toolbarStore) const;
};

// The frame never gets smaller than this (unless the screen itself is smaller).
inline constexpr QSize MinFrameSize(320, 240);

// Keeps a frame on the available screen areas (the primary screen's first): the client area at
// left/top with the given size, surrounded by the decorations' margins, becomes no larger than
// the area, no smaller than minimumSize (or MinFrameSize) where the area allows, and lies wholly
// inside the area it overlaps most (the primary one when it overlaps none). Left and top may be
// anywhere in the integer range. Returns the client area; without areas, the rectangle as given.
QRect fitFrameOnScreen(qint64 left, qint64 top, QSize size, QSize minimumSize, QMargins margins,
                       const QList<QRect>& availableAreas);

// The store's readers answer "Default" for a missing text. A text the user enters (a program,
// a name, an address) is missing when it is that word or empty: it never stands for real data.
bool isMissingText(const QString& text);
// What a field shows for such a text: nothing for a missing one.
QString enteredText(const QString& stored);

// Hint text of a browser button: "HTML Datei mit " + name + " testen".
QString browserCaption(const QString& browserPath);
