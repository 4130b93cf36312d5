// TEditorSample: the settings dialog's read-only sample of the editor font, colours and alignment.
#pragma once

#include <QString>
#include <QTextEdit>
#include <cstdint>

struct EditorLook {
    QString fontName;
    int fontSize = 12;
    std::uint32_t fontColor = 0x000000;
    std::uint32_t background = 0xFFFFFF;
    bool bold = false, italic = false, underline = false;
    Qt::Alignment align = Qt::AlignLeft;
};

class TEditorSample : public QTextEdit
{
    Q_OBJECT
public:
    explicit TEditorSample(QWidget* parent = nullptr);

    const EditorLook& look() const { return m_look; }
    void setFontName(const QString& name);
    void setFontSize(int size);
    void setFontColor(std::uint32_t color);
    void setBackground(std::uint32_t color);
    void setStyle(bool bold, bool italic, bool underline);
    void setAlign(Qt::Alignment align);

private:
    void showLook();

    EditorLook m_look;
};
