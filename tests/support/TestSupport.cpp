// Test helpers: a private settings store and temporary directory, and answers to modal dialogs.
#include "support/TestSupport.h"

#include "core/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace
{
// The environment whose file the store uses now: a fixture that builds the next environment
// before dropping the last must not send the store back to the user's own settings.
const TestEnvironment* g_current = nullptr;
} // namespace

TestEnvironment::TestEnvironment()
    : m_oldDataHome(qgetenv("XDG_DATA_HOME")), m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
{
    // Per-user data and configuration go to the temporary directory as well.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    SettingsStore::useFile(settingsFile());
    if (g_current) { // the user's own values are the ones the first environment kept
        m_oldDataHome = g_current->m_oldDataHome;
        m_oldConfigHome = g_current->m_oldConfigHome;
    }
    g_current = this;
    quietStart();
}

TestEnvironment::~TestEnvironment()
{
    if (g_current != this)
        return;
    g_current = nullptr;
    SettingsStore::useFile(QString());
    qputenv("XDG_DATA_HOME", m_oldDataHome);
    qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

void TestEnvironment::clearSettings()
{
    QFile::remove(settingsFile());
    SettingsStore::useFile(settingsFile());
}

void TestEnvironment::quietStart()
{
    SettingsStore store;
    store.writeBool(QStringLiteral("TipsDialog"), QStringLiteral("DialogZeigen"), false);
}

namespace
{

struct PendingAnswer {
    std::function<bool(QWidget*)> handler;
    QElapsedTimer age;
    int timeoutMs;
};

// One poller serves every queued answer in order, so two answers never race for one dialog.
class ModalPoller : public QObject
{
public:
    ModalPoller()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    }
    void enqueue(PendingAnswer answer)
    {
        m_queue.push_back(std::move(answer));
        m_timer.start();
    }

private:
    void poll()
    {
        // A handler that waits (QTRY_*) spins the event loop, and with it this timer: the answer
        // being given must not be given again, timed out or erased twice.
        if (m_answering)
            return;
        if (m_queue.empty()) {
            m_timer.stop();
            return;
        }
        PendingAnswer& front = m_queue.front();
        if (front.age.elapsed() > front.timeoutMs) {
            qWarning("whenModal: no modal dialog appeared in time");
            m_queue.erase(m_queue.begin());
            return;
        }
        // A dialog that is reused (kept by its owner) counts as new once it has been hidden.
        if (m_lastHandled && !m_lastHandled->isVisible())
            m_lastHandled = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_lastHandled)
            return;
        auto handler = front.handler;
        QPointer<QWidget> guard(modal);
        m_answering = true;
        const bool answered = handler(modal);
        m_answering = false;
        if (answered) {
            // Only a dialog still closing is kept from the next answer.
            m_lastHandled = guard && guard->isVisible() ? guard : nullptr;
            m_queue.erase(m_queue.begin());
        }
    }

    QTimer m_timer;
    std::vector<PendingAnswer> m_queue;
    QPointer<QWidget> m_lastHandled;
    bool m_answering = false;
};

ModalPoller& poller()
{
    static auto* instance = new ModalPoller;
    return *instance;
}

} // namespace

void whenModal(std::function<bool(QWidget*)> handler, int timeoutMs)
{
    PendingAnswer answer{std::move(handler), {}, timeoutMs};
    answer.age.start();
    poller().enqueue(std::move(answer));
}

void answerMessageBox(QMessageBox::StandardButton button, QString* text)
{
    whenModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        if (text)
            *text = box->text();
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->done(button);
        return true;
    });
}

void answerFileDialog(const QString& path, QString* name, QStringList* filters)
{
    whenModal([=](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        if (name)
            *name = dialog->objectName();
        if (filters)
            *filters = dialog->nameFilters();
        if (path.isEmpty()) {
            dialog->reject();
            return true;
        }
        // Accepting may open a nested box: leave the handler first, so it can be answered. The
        // name is typed right before accepting: the dialog's directory model loads in the
        // background and may select another name in between, or none.
        QTimer::singleShot(0, dialog, [dialog, path] {
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(path);
            else
                dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        return true;
    });
}

bool waitNoModal(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (QApplication::activeModalWidget() && t.elapsed() < timeoutMs)
        QTest::qWait(10);
    return QApplication::activeModalWidget() == nullptr;
}

void runIdle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
