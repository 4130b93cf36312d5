// TTipsDialog: the "Tips und Tricks" window with one random tip, at start and from the Help menu.
#include "app/Tips.h"

#include "core/SettingsStore.h"
#include "widgets/DialogHelp.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QVBoxLayout>
#include <array>

namespace
{

// One tip per line, so each reads (and is found by a search) exactly as the user sees it.
// clang-format off
const std::array<const char*, 22> tips = {
    "Das Sie mit F1 jederzeit die Hilfe aufrufen können?",
    "Das Sie mit F10 die Einstellungen aufrufen können?",
    "Das Sie mit Netscape ab Version 3.0 unsichtbare Bilder erzeugen können? Bsp.:<spacer type=block width=100 height=50 align=left>",
    "Das Sie mit F12 den Browser aufrufen können? ",
    "Das Sie mit EMBED Multimediadateien, wie z.B. MIDI, WAV usw., einbinden können?",
    "Das viele Befehle auch über Shortcuts eingeben können? z.B. STRG+B für <br> (Alle Tastaturbefehle finden Sie under Hilfe|Tastatur)",
    "Das Sie Tabellen und Listen speichern können, um sie später in anderen Dokumenten wiederverwenden zu können?",
    "Das Sie über die Umlaute zu HTML Funktion alle Umlaute HTML Konform umwandel können und das auch andersherum?",
    "Das Sie DOS-Textdateien in das Windowsformat umwandeln können?",
    "Das Sie über die PlugIns eine eigene Liste für Ihre meist verwendeten Tags und Informationen machen können?",
    "Das Sie die URL-Listen selber erweitern können?",
    "Das Sie die Symbolleisten frei verschieben können?",
    "Das Sie auch nachträglich über die Grunfunktion HTML-Grundgerüst einen fertigen Text in ein HTML-Dokument verwandel können, ohne den gesammten Text zu makieren?",
    "Das Sie über die Einstellungen die von Ihnen am meisten verwendeten Programme in die Menüleiste einbinden können?",
    "Das von Verweisen, Fensternamen und Bildern, alle Daten gespeichert werden und jederzeit wiederverwendet werden können?",
    "Das Sie mit der rechten Maustaste im Eingabebereich klicken ein PopUp-Menü öffnen können?",
    "Das Sie bei einem Frame mit BORDER=0 FRAMEBORDER=0 FRAMESPACING=0 einen unsichtbaren Frame erzeugen können?",
    "Das Sie mit <meta http-equiv= content=> befehle an den Browser schicken können?",
    "Das Sie mit &#160;(Button erzwungenes Leerzeichen) Leerzeichen erzwingen können?",
    "Das Sie Mit unsichtbaren Tabellen Mehrspaltentext erzeugen können?",
    "Das Sie mit den Helfern eine menge Arbeit sparen?",
    "Wenn Sie weitere Fragen zum Tessaline haben, können Sie mir jederzeit eine E-Mail schicken!",
};
// clang-format on

// Seeded from the clock once per program run.
QRandomGenerator& tipRandom()
{
    static QRandomGenerator generator(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xffffffff));
    return generator;
}

// A light bulb on the white panel.
QPixmap tipPicture()
{
    QPixmap picture(40, 56);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 100, 0), 1.5));
    painter.setBrush(QColor(255, 235, 90));
    QPainterPath bulb;
    bulb.addEllipse(QRectF(4, 2, 32, 32));
    bulb.addRect(QRectF(13, 28, 14, 10));
    painter.drawPath(bulb.simplified());
    painter.setBrush(QColor(150, 150, 150));
    painter.setPen(QPen(QColor(80, 80, 80), 1));
    for (int i = 0; i < 3; ++i)
        painter.drawRoundedRect(QRectF(12, 39 + i * 5, 16, 4), 1.5, 1.5);
    painter.setPen(QPen(QColor(200, 150, 0), 1.5));
    painter.drawLine(QPointF(16, 28), QPointF(18, 16));
    painter.drawLine(QPointF(24, 28), QPointF(22, 16));
    return picture;
}

} // namespace

QString tipText(int number)
{
    if (number < 1 || number > static_cast<int>(tips.size()))
        return {};
    return QString::fromUtf8(tips[static_cast<std::size_t>(number - 1)]);
}

TTipsDialog::TTipsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTipsDialog"));
    setWindowTitle(QStringLiteral("Tips und Tricks"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);
    auto* picture = new QLabel(panel);
    picture->setPixmap(tipPicture());
    picture->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(QStringLiteral("Wußten Sie schon?"), panel);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    TipLabel = new QLabel(panel);
    TipLabel->setObjectName(QStringLiteral("TipLabel"));
    TipLabel->setWordWrap(true);
    // Tips show markup as it is typed, never rendered.
    TipLabel->setTextFormat(Qt::PlainText);
    TipLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    TipLabel->setFixedSize(300, 90);
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(heading);
    textColumn->addWidget(TipLabel);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(picture, 0, Qt::AlignTop);
    panelLayout->addLayout(textColumn);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    HelpBtn->setAutoDefault(false);
    BitBtn1 = new QPushButton(QStringLiteral("&mehr Tips"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    TipsZeigenCheckBox =
        new QCheckBox(QStringLiteral("&Weitere Tips beim nächsten Start zeigen?"), this);
    TipsZeigenCheckBox->setObjectName(QStringLiteral("TipsZeigenCheckBox"));
    TipsZeigenCheckBox->setChecked(true);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { openHelp(this, m_helpContext); });
    connect(BitBtn1, &QPushButton::clicked, this, &TTipsDialog::showRandomTip);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(HelpBtn);
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(panel);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TipsZeigenCheckBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TTipsDialog::setTipRange(int first, int count)
{
    m_first = first;
    m_count = count;
}

void TTipsDialog::showRandomTip()
{
    const int r = m_count > 0 ? static_cast<int>(tipRandom().bounded(m_count)) : 0;
    TipLabel->setText(tipText(m_first + r));
}

void TTipsDialog::showEvent(QShowEvent* event)
{
    showRandomTip();
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void showTips(QWidget* parent, int first, int count, SettingsStore& store, int helpContext,
              bool startUp)
{
    const QString section = QStringLiteral("TipsDialog");
    const QString name = QStringLiteral("DialogZeigen");
    TTipsDialog dialog(parent);
    dialog.setHelpContext(helpContext);
    if (startUp)
        dialog.TipsZeigenCheckBox->setChecked(store.readBoolOption(section, name, true, true));
    dialog.setTipRange(first, count);
    if (!startUp || dialog.TipsZeigenCheckBox->isChecked())
        dialog.exec();
    if (startUp)
        store.writeBool(section, name, dialog.TipsZeigenCheckBox->isChecked());
}
