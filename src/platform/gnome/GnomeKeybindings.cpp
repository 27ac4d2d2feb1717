// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeKeybindings.h"

#include "platform/gnome/GnomeLog.h"

#include <QProcess>
#include <QRegularExpression>

namespace tavrin::gnomeKeybindings {

namespace {

constexpr int kGsettingsTimeoutMs = 3000;
const QString kCustomListKey = QStringLiteral("custom-keybindings");
const QString kMediaKeys = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");

// The single-quoted strings of a GVariant text, with GVariant's escapes undone.
QStringList quotedStrings(const QString &text)
{
    static const QRegularExpression quoted(QStringLiteral(R"('((?:[^'\\]|\\.)*)')"));
    QStringList strings;
    for (const QRegularExpressionMatch &match : quoted.globalMatch(text))
        strings.append(
            match.captured(1).replace(QRegularExpression(QStringLiteral(R"(\\(.))")), QStringLiteral("\\1")));
    return strings;
}

std::optional<QByteArray> gsettings(const QStringList &arguments)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(kGsettingsTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// "schema key value": the value is everything after the second space.
struct Line {
    QString schema;
    QString key;
    QString value;
};

QList<Line> lines(const QByteArray &listing)
{
    QList<Line> out;
    for (const QByteArray &raw : listing.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        const qsizetype first = line.indexOf(QLatin1Char(' '));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(' '), first + 1);
        if (second < 0)
            continue;
        out.append({line.left(first), line.mid(first + 1, second - first - 1), line.mid(second + 1)});
    }
    return out;
}

}  // namespace

QStringList schemas()
{
    return {QStringLiteral("org.gnome.desktop.wm.keybindings"), QStringLiteral("org.gnome.shell.keybindings"),
            QStringLiteral("org.gnome.mutter.keybindings"), QStringLiteral("org.gnome.mutter.wayland.keybindings"),
            kMediaKeys};
}

QString customSchema()
{
    return kMediaKeys + QStringLiteral(".custom-keybinding");
}

QStringList acceleratorTexts(const QString &value)
{
    QStringList texts = quotedStrings(value);
    texts.removeAll(QString());
    return texts;
}

QList<Binding> parseListing(const QByteArray &listing)
{
    QList<Binding> bindings;
    for (const Line &line : lines(listing)) {
        if (line.key == kCustomListKey)
            continue;  // paths, not shortcuts
        for (const QString &text : acceleratorTexts(line.value)) {
            if (const auto accelerator = GnomeAccelerator::parse(text))
                bindings.append({*accelerator, line.schema, line.key, {}});
        }
    }
    return bindings;
}

std::optional<Binding> parseCustom(const QByteArray &listing, const QString &path)
{
    std::optional<GnomeAccelerator> accelerator;
    QString name;
    for (const Line &line : lines(listing)) {
        const QStringList strings = quotedStrings(line.value);
        if (line.key == QLatin1String("binding") && !strings.isEmpty())
            accelerator = GnomeAccelerator::parse(strings.constFirst());
        else if (line.key == QLatin1String("name") && !strings.isEmpty())
            name = strings.constFirst();
    }
    if (!accelerator)
        return std::nullopt;
    return Binding{*accelerator, customSchema() + QLatin1Char(':') + path, QStringLiteral("binding"), name};
}

std::optional<Binding> holderOf(const GnomeAccelerator &accelerator)
{
    for (const QString &schema : schemas()) {
        const std::optional<QByteArray> listing = gsettings({QStringLiteral("list-recursively"), schema});
        if (!listing) {
            qCDebug(lcGnome).noquote() << "GNOME's shortcuts in" << schema << "could not be read";
            continue;
        }
        for (Binding &binding : parseListing(*listing)) {
            if (binding.accelerator != accelerator)
                continue;
            if (const auto described = gsettings({QStringLiteral("describe"), binding.schema, binding.key}))
                binding.name = QString::fromUtf8(*described).trimmed();
            return binding;
        }
        if (schema != kMediaKeys)
            continue;
        const std::optional<QByteArray> paths = gsettings({QStringLiteral("get"), schema, kCustomListKey});
        for (const QString &path : paths ? quotedStrings(QString::fromUtf8(*paths)) : QStringList()) {
            const std::optional<QByteArray> custom =
                gsettings({QStringLiteral("list-recursively"), customSchema() + QLatin1Char(':') + path});
            if (auto binding = custom ? parseCustom(*custom, path) : std::nullopt;
                binding && binding->accelerator == accelerator)
                return binding;
        }
    }
    return std::nullopt;
}

QString takenReason(const Binding &holder)
{
    // A long description reads worse than the setting's own name.
    const bool named = !holder.name.isEmpty() && holder.name.size() <= 60 && !holder.name.contains(QLatin1Char('\n'));
    const QString action = named ? QStringLiteral("\"%1\"").arg(holder.name) : holder.key;
    return QStringLiteral("%1 is GNOME's shortcut for %2 (%3 %4): choose another, or change GNOME's in Settings → "
                          "Keyboard.")
        .arg(holder.accelerator.label(), action, holder.schema, holder.key);
}

}  // namespace tavrin::gnomeKeybindings
