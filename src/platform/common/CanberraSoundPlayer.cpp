// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/CanberraSoundPlayer.h"

#include "platform/ApplicationId.h"
#include "platform/common/PlatformLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <canberra.h>
#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>

namespace tavrin {

namespace {

constexpr std::size_t kMaxQueued = 8;  // a burst of captures does not pile up sounds

// ALSA, which libcanberra may use, writes several lines to standard error for every sound it cannot play (no sound
// card). Its messages go to our debug log instead.
void alsaMessage(const char *file, int line, const char *function, int error, const char *format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    qCDebug(lcPlatform, "ALSA %s:%d (%s): %s (error %d)", file, line, function, text, error);
}

void routeAlsaMessages()
{
    // Looked up at run time: ALSA is libcanberra's business, and may be missing altogether. The library stays
    // loaded, so the module libcanberra loads later shares it and its handler.
    void *alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa)
        return;
    using Handler = void (*)(const char *, int, const char *, int, const char *, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler")))
        set(&alsaMessage);
}

}  // namespace

QString CanberraSoundPlayer::defaultSoundsFolder()
{
    return soundsFolderFor(QCoreApplication::applicationDirPath());
}

QString CanberraSoundPlayer::soundsFolderFor(const QString &programFolder)
{
    QString beside = programFolder + QStringLiteral("/sounds");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(TAVRIN_SOUNDS_FROM_BINDIR));
}

CanberraSoundPlayer::CanberraSoundPlayer(const QString &soundsFolder)
{
    QStringList missing;
    for (const QString &name : {QStringLiteral("Frog"), QStringLiteral("Ping"), QStringLiteral("Pop")}) {
        const QString path = soundsFolder + QLatin1Char('/') + name.toLower() + QStringLiteral(".wav");
        if (QFileInfo(path).isFile())
            m_files.insert(name, path);
        else
            missing.append(path);
    }
    if (!missing.isEmpty())
        qCWarning(lcPlatform).noquote() << "feedback sounds missing, they stay silent:"
                                        << missing.join(QStringLiteral(", "));
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
    bool reported = false;
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
        if (!context)
            routeAlsaMessages();
        if (!context && ca_context_create(&context) == CA_SUCCESS) {
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tavrin", CA_PROP_APPLICATION_ID, kApplicationId,
                                    CA_PROP_APPLICATION_ICON_NAME, kApplicationId, nullptr);
        }
        const int result = context ? ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, path.toLocal8Bit().constData(),
                                                     CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr)
                                   : CA_ERROR_NOTAVAILABLE;
        if (result != CA_SUCCESS && !reported) {
            // A machine without sound refuses every sound: one line says so.
            qCInfo(lcPlatform, "sounds cannot be played: %s; later failures are not reported", ca_strerror(result));
            reported = true;
        }
        std::lock_guard lock(m_mutex);
        ++m_handedOver;
        if (result != CA_SUCCESS)
            ++m_refused;
    }
    if (context)
        ca_context_destroy(context);
}

}  // namespace tavrin
