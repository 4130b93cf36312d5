// TEditorSample: the settings dialog's read-only sample of the editor font, colours and alignment.
#include "app/EditorSample.h"

#include "core/ColorText.h"

#include <QTextBlockFormat>
#include <QTextCursor>

TEditorSample::TEditorSample(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    setReadOnly(true);
    setAcceptRichText(false);
    setFocusPolicy(Qt::NoFocus);
    setPlainText(QStringLiteral("Muster:\n<p align=\"center\">\n&Auml;hnlich <!-- Komentar -->\n"
                                "</p>"));
    m_look.fontName = font().family();
    showLook();
}

void TEditorSample::setFontName(const QString& name)
{
    m_look.fontName = name;
    showLook();
}

void TEditorSample::setFontSize(int size)
{
    m_look.fontSize = size;
    showLook();
}

void TEditorSample::setFontColor(std::uint32_t color)
{
    m_look.fontColor = color;
    showLook();
}

void TEditorSample::setBackground(std::uint32_t color)
{
    m_look.background = color;
    showLook();
}

void TEditorSample::setStyle(bool bold, bool italic, bool underline)
{
    m_look.bold = bold;
    m_look.italic = italic;
    m_look.underline = underline;
    showLook();
}

void TEditorSample::setAlign(Qt::Alignment align)
{
    m_look.align = align;
    showLook();
}

void TEditorSample::showLook()
{
    QFont shown = font();
    shown.setFamily(m_look.fontName);
    if (m_look.fontSize > 0)
        shown.setPointSize(m_look.fontSize);
    shown.setBold(m_look.bold);
    shown.setItalic(m_look.italic);
    shown.setUnderline(m_look.underline);
    setFont(shown);
    document()->setDefaultFont(shown);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ColorText::toQColor(m_look.fontColor));
    colours.setColor(QPalette::Base, ColorText::toQColor(m_look.background));
    setPalette(colours);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(m_look.align);
    all.mergeBlockFormat(format);
}
