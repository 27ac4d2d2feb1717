#include "platform/common/CanberraSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <canberra.h>

namespace tavrin {

namespace {
constexpr std::size_t kMaxQueued = 8;  // a burst of captures does not pile up sounds
}

QString CanberraSoundPlayer::defaultSoundsFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = appDir + QStringLiteral("/sounds");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(appDir + QStringLiteral("/../share/tavrin/sounds"));
}

CanberraSoundPlayer::CanberraSoundPlayer(const QString &soundsFolder)
{
    for (const QString &name : {QStringLiteral("Frog"), QStringLiteral("Ping"), QStringLiteral("Pop")}) {
        const QString path = soundsFolder + QLatin1Char('/') + name.toLower() + QStringLiteral(".wav");
        if (QFileInfo(path).isFile())
            m_files.insert(name, path);
    }
    m_thread = std::thread([this] { run(); });
}

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    m_thread.join();
}

QString CanberraSoundPlayer::fileFor(const QString &name) const
{
    return m_files.value(name);
}

void CanberraSoundPlayer::play(const QString &name)
{
    const QString path = m_files.value(name);
    if (path.isEmpty())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.size() >= kMaxQueued)
            return;
        m_queue.push_back(path);
    }
    m_wake.notify_one();
}

void CanberraSoundPlayer::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

int CanberraSoundPlayer::handedOver() const
{
    std::lock_guard lock(m_mutex);
    return m_handedOver;
}

int CanberraSoundPlayer::refused() const
{
    std::lock_guard lock(m_mutex);
    return m_refused;
}

void CanberraSoundPlayer::run()
{
    ca_context *context = nullptr;
    for (;;) {
        QString path;
        {
            std::unique_lock lock(m_mutex);
            m_busy = false;
            m_idle.notify_all();
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                break;
            path = m_queue.front();
            m_queue.pop_front();
            m_busy = true;
        }
        // The context is made on first use: opening a device can be slow, and a run may never play a sound.
        if (!context && ca_context_create(&context) == CA_SUCCESS) {
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tavrin", CA_PROP_APPLICATION_ID,
                                    "org.tavrin.Tavrin", nullptr);
        }
        const int result = context ? ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, path.toLocal8Bit().constData(),
                                                     CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr)
                                   : CA_ERROR_NOTAVAILABLE;
        std::lock_guard lock(m_mutex);
        ++m_handedOver;
        if (result != CA_SUCCESS)
            ++m_refused;
    }
    if (context)
        ca_context_destroy(context);
}

}  // namespace tavrin
