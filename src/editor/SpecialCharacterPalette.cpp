// TFSonderZeichen: the floating palette of 101 special characters that insert their references.
#include "editor/SpecialCharacterPalette.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

constexpr int ClientWidth = 293;
constexpr int ClientHeight = 112;
constexpr int ButtonSize = 25;
constexpr int Edge = 5;

// One row of buttons: its characters, and per character the entity name or "#" for the
// numeric reference through the Windows code page.
struct Row {
    int page, row;
    const char16_t* characters;
    const char* names;
};

const Row rows[] = {
    {1, 1, u"‚”›‹‘’ƒ†‡þÞ", "# # # # # # # # # thorn THORN"},
    {1, 2, u"´\u00AD·•˜ˆ\"‰", "# # # # # # quot #"},
    {2, 1, u"™®¢£¥¤¡¿¦¬¯", "# reg # # # # # # # # #"},
    {2, 2, u"ª°º¹²³¨µ¶¸", "# # # # # # # # # #"},
    {2, 3, u"½¼¾", "# # #"},
    {3, 1, u"ÀÁÂÃÅÆÇÈÉÊË",
     "Agrave Aacute Acirc Atilde Aring AElig Ccedil Egrave Eacute Ecirc Euml"},
    {3, 2, u"ŒÌÍÎÏÐÑÒÓÔÕ", "# Igrave Iacute Icirc Iuml ETH Ntilde Ograve Oacute Ocirc Otilde"},
    {3, 3, u"ØŠÙÚÛÝŸ", "Oslash # Ugrave Uacute Ucirc Yacute #"},
    {4, 1, u"àáâãåæçèéêë",
     "agrave aacute acirc atilde aring aelig ccedil egrave eacute ecirc euml"},
    {4, 2, u"œìíîïðñòóôõ", "# igrave iacute icirc iuml eth ntilde ograve oacute ocirc otilde"},
    {4, 3, u"øšùúûýÿ", "oslash # ugrave uacute ucirc yacute yuml"},
};

QString numericReference(QChar c)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(QString(c));
    const int code = bytes.size() == 1 ? int(quint8(bytes[0])) : int(c.unicode());
    return QStringLiteral("&#%1;").arg(code);
}

QList<TFSonderZeichen::Cell> buildCells()
{
    QList<TFSonderZeichen::Cell> cells;
    for (const Row& row : rows) {
        const QString characters = QString::fromUtf16(row.characters);
        const QStringList names = QString::fromLatin1(row.names).split(u' ');
        for (qsizetype i = 0; i < characters.size(); ++i) {
            const QChar c = characters[i];
            const QString& name = names.value(i);
            cells.append({row.page, row.row, int(i) + 1, c,
                          name == u"#" ? numericReference(c) : u'&' + name + u';'});
        }
    }
    return cells;
}

// A soft hyphen draws as nothing; the button shows a plain hyphen instead.
QString shownText(QChar c)
{
    return c == QChar(0x00AD) ? QStringLiteral("-") : QString(c);
}

} // namespace

const QList<TFSonderZeichen::Cell>& TFSonderZeichen::cells()
{
    static const QList<Cell> all = buildCells();
    return all;
}

TFSonderZeichen::TFSonderZeichen(std::function<void()> sonderzeichenKlick, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_klick(std::move(sonderzeichenKlick))
{
    setObjectName(QStringLiteral("FSonderZeichen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sonderzeichen"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_notebook = new QTabWidget(this);
    m_notebook->setObjectName(QStringLiteral("TabbedNotebook1"));
    // All four tabs share the one row and show their labels whole: the window grows to fit them.
    m_notebook->setUsesScrollButtons(false);
    m_notebook->setElideMode(Qt::ElideNone);
    m_notebook->tabBar()->setExpanding(true);
    layout->addWidget(m_notebook);

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(19);
    QList<QFrame*> frames;
    for (int page = 1; page <= 4; ++page) {
        auto* frame = new QFrame;
        frame->setObjectName(QStringLiteral("Page%1").arg(page));
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_notebook->addTab(frame, QStringLiteral("Sonderzeichen &%1").arg(page));
        frames.append(frame);
    }
    const QList<Cell>& all = cells();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const Cell& cell = all[i];
        const int number = int(i) + 1;
        auto* button = new QToolButton(frames[cell.page - 1]);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        button->setGeometry(Edge + ButtonSize * (cell.column - 1),
                            Edge + ButtonSize * (cell.row - 1), ButtonSize, ButtonSize);
        button->setFont(font);
        QPalette pal = button->palette();
        pal.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(pal);
        button->setText(shownText(cell.character));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, [this, number] { SpeedButtonClick(number); });
        m_buttons.append(button);
    }

    setFixedSize(std::max(ClientWidth, m_notebook->tabBar()->sizeHint().width()), ClientHeight);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

TFSonderZeichen* TFSonderZeichen::open(std::function<void()> sonderzeichenKlick, QWidget* parent)
{
    auto* palette = new TFSonderZeichen(std::move(sonderzeichenKlick), parent);
    palette->show();
    return palette;
}

QToolButton* TFSonderZeichen::button(int page, int row, int column) const
{
    const QList<Cell>& all = cells();
    for (qsizetype i = 0; i < all.size(); ++i)
        if (all[i].page == page && all[i].row == row && all[i].column == column)
            return m_buttons[i];
    return nullptr;
}

void TFSonderZeichen::SpeedButtonClick(int number)
{
    if (number < 1 || number > cells().size())
        return;
    PendingEntity = cells()[number - 1].reference;
    if (m_klick)
        m_klick();
}

void TFSonderZeichen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFSonderZeichen::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // The window that opened the palette takes the keyboard back, and with it the document that
    // had the focus there.
    if (event->isAccepted() && parentWidget() && isActiveWindow())
        parentWidget()->window()->activateWindow();
}
