#include "hotkeys/ShortcutRecorder.h"

#include "hotkeys/AppShortcuts.h"
#include "hotkeys/Key.h"

#include <QStringList>

#include <utility>

namespace tavrin {

const QString ShortcutRecorder::placeholderText = QStringLiteral("Click here to enter shortcut");
const QString ShortcutRecorder::rejectionMessage = QStringLiteral("Please use a different key combination.");

namespace {

// Until the Preferences pane exists there is nothing to show; no pane is current.
class DetachedView final : public ShortcutRecorderView {
public:
    void setShortcutLabel(Shortcut, const QString &) override {}
    void setClearButtonHidden(Shortcut, bool) override {}
    void setRecorderBorder(Shortcut, RecorderBorder) override {}
    void setDimmingLayerHidden(bool) override {}
    void showSheetAlert(const QString &, std::function<void()>) override {}
    int currentPane() const override { return -1; }
};

ShortcutRecorderView &viewOrDetached(ShortcutRecorderView *view)
{
    static DetachedView detached;
    return view ? *view : detached;
}

// Command alone with one of these keys stays with the application's own commands.
const QStringList &reservedKeyNames()
{
    static const QStringList names = {
        QStringLiteral("c"), QStringLiteral("v"),  QStringLiteral("z"), QStringLiteral("f"), QStringLiteral(","),
        QStringLiteral("h"), QStringLiteral("q"),  QStringLiteral("n"), QStringLiteral("z"), QStringLiteral("a"),
        QStringLiteral("x"), QStringLiteral("\r"), QStringLiteral("m"), QStringLiteral("-"), QStringLiteral("+"),
    };
    return names;
}

// The twelve function keys are named by key code, not by what they type.
QString functionKeyName(std::uint16_t keyCode)
{
    static constexpr std::pair<std::uint16_t, const char *> kFunctionKeys[] = {
        {122, "f1"}, {120, "f2"}, {99, "f3"},  {118, "f4"},  {96, "f5"},   {97, "f6"},
        {98, "f7"},  {100, "f8"}, {101, "f9"}, {109, "f10"}, {103, "f11"}, {111, "f12"},
    };
    for (const auto &[code, name] : kFunctionKeys) {
        if (code == keyCode)
            return QString::fromLatin1(name);
    }
    return {};
}

}  // namespace

ShortcutRecorder::ShortcutRecorder(AppShortcuts &shortcuts) : m_shortcuts(shortcuts) {}

std::optional<Shortcut> ShortcutRecorder::recordingShortcut() const
{
    for (const Shortcut shortcut : kShortcuts) {
        if (isRecording(shortcut))
            return shortcut;
    }
    return std::nullopt;
}

void ShortcutRecorder::showShortcuts()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording = {};
    for (const Shortcut shortcut : kShortcuts)
        view.setRecorderBorder(shortcut, RecorderBorder::idle);
    for (const AppShortcut &stored : AppShortcut::all()) {
        m_shortcuts.loadShortcut(stored.keyNameKey, stored.modifierKey);
        const bool recorded = !m_shortcuts.shortcutModifiers.isEmpty();
        view.setShortcutLabel(stored.shortcut, recorded
                                                   ? label(m_shortcuts.shortcutModifiers, m_shortcuts.shortcutKeyName)
                                                   : placeholderText);
        view.setClearButtonHidden(stored.shortcut, !recorded);
    }
}

void ShortcutRecorder::stopRecording()
{
    // Left disabled, the menu items would stay so until some later recording ends.
    if (recordingShortcut())
        enableMenuItems(true);
    m_recording = {};
}

void ShortcutRecorder::startRecording(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording[shortcutIndex(n)] = true;
    enableMenuItems(false);
    view.setShortcutLabel(n, QString());
    view.setClearButtonHidden(n, true);
    view.setRecorderBorder(n, RecorderBorder::recording);
    m_shortcuts.unregisterShortcut(n);
    m_shortcuts.removeStoredShortcut(n);
    m_shortcuts.shortcutModifiers = ModifierFlags();
    m_shortcuts.shortcutKeyName.clear();
    for (const Shortcut other : kShortcuts) {
        if (other != n && isRecording(other))
            clearShortcut(other);
    }
}

void ShortcutRecorder::clearShortcut(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording[shortcutIndex(n)] = false;
    enableMenuItems(true);
    m_shortcuts.shortcutModifiers = ModifierFlags();
    m_shortcuts.shortcutKeyName.clear();
    m_shortcuts.unregisterShortcut(n);
    m_shortcuts.removeStoredShortcut(n);
    view.setShortcutLabel(n, placeholderText);
    view.setClearButtonHidden(n, true);
    view.setRecorderBorder(n, RecorderBorder::idle);
}

void ShortcutRecorder::endRecording()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    enableMenuItems(true);
    if (const std::optional<Shortcut> n = recordingShortcut()) {
        view.setRecorderBorder(*n, RecorderBorder::idle);
        view.setClearButtonHidden(*n, false);
    }
    m_recording = {};
}

bool ShortcutRecorder::flagsChanged(ModifierFlags modifierFlags)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    const std::optional<Shortcut> n = recordingShortcut();
    if (!n || view.currentPane() != preferencesPane)
        return false;
    if (m_shortcuts.shortcutKeyName.isEmpty())
        view.setShortcutLabel(*n, label(modifierFlags, QString()));
    if (!modifierFlags.hasShortcutModifier())
        clearShortcut(*n);  // every modifier released before a key was accepted
    return true;
}

bool ShortcutRecorder::keyDown(const ShortcutKeyEvent &event)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    const std::optional<Shortcut> recording = recordingShortcut();
    if (!recording || view.currentPane() != preferencesPane)
        return false;
    const Shortcut n = *recording;
    if (!event.modifierFlags.hasShortcutModifier())
        return true;  // a plain key: recording goes on
    if (!event.charactersIgnoringModifiers)
        return true;
    QString characters = *event.charactersIgnoringModifiers;
    // The shifted comma and period keys.
    if (characters == QStringLiteral("<"))
        characters = QStringLiteral(",");
    else if (characters == QStringLiteral(">"))
        characters = QStringLiteral(".");

    QString keyName = functionKeyName(event.keyCode);
    if (keyName.isEmpty())
        keyName = characters;

    const ModifierFlags flags = event.modifierFlags;
    const bool commandAlone = flags.intersects(ModifierFlags::command) &&
                              !flags.intersects(ModifierFlags::option | ModifierFlags::control | ModifierFlags::shift);
    if (commandAlone && reservedKeyNames().contains(keyName.toLower())) {
        reject();
        return true;
    }
    if (!keyFromString(keyName)) {
        // What the key types names no key (a shifted digit's symbol, an arrow): name the key pressed instead of
        // letting the name fall back to the A key; a key outside the table cannot be a shortcut.
        const auto pressed = keyForCarbonKeyCode(event.keyCode);
        if (!pressed) {
            reject();
            return true;
        }
        keyName = tavrin::keyName(*pressed);
    }
    m_shortcuts.shortcutKeyName = keyName;

    // Accept.
    m_shortcuts.shortcutModifiers = flags;
    m_shortcuts.storeShortcut(n, keyName, flags);
    m_accepting = true;
    m_shortcuts.registerShortcut(n);
    m_accepting = false;
    view.setShortcutLabel(n, label(flags, keyName));
    endRecording();
    // A refusal during registration is answered once the accepted combination has been shown, so that the
    // answer's restart of the recording comes last, however the alert is presented.
    if (const std::optional<Shortcut> refused = std::exchange(m_refusedWhileAccepting, std::nullopt))
        presentRefusal(*refused);
    return true;
}

void ShortcutRecorder::shortcutRegistrationFailed()
{
    const std::optional<Shortcut> n = recordingShortcut();
    if (!n)
        return;  // not recording, for example at launch
    if (m_accepting) {
        m_refusedWhileAccepting = n;
        return;
    }
    presentRefusal(*n);
}

void ShortcutRecorder::reject()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_shortcuts.shortcutKeyName.clear();
    m_shortcuts.shortcutModifiers = ModifierFlags();
    view.setDimmingLayerHidden(false);
    if (const std::optional<Shortcut> n = recordingShortcut())
        view.setShortcutLabel(*n, QString());
    view.showSheetAlert(rejectionMessage, [this] { viewOrDetached(m_view).setDimmingLayerHidden(true); });
}

void ShortcutRecorder::presentRefusal(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_shortcuts.shortcutKeyName.clear();
    m_shortcuts.shortcutModifiers = ModifierFlags();
    view.setDimmingLayerHidden(false);
    view.showSheetAlert(rejectionMessage, [this, n] {
        m_shortcuts.shortcutKeyName.clear();
        m_shortcuts.shortcutModifiers = ModifierFlags();
        startRecording(n);
        viewOrDetached(m_view).setDimmingLayerHidden(true);
    });
}

QString ShortcutRecorder::label(ModifierFlags modifiers, const QString &keyName) const
{
    if (labelText)
        return labelText(modifiers, keyName);
    return modifiers.description() + keyName;
}

void ShortcutRecorder::enableMenuItems(bool enabled)
{
    if (setMenuItemsEnabled)
        setMenuItemsEnabled(enabled);
}

}  // namespace tavrin
