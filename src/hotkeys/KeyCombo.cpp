#include "hotkeys/KeyCombo.h"

#include <QMetaType>

#include <limits>

namespace tavrin {

namespace {

const QString kKeyCode = QStringLiteral("keyCode");
const QString kModifiers = QStringLiteral("modifiers");

// An integer entry that fits a Carbon field; anything else (missing, real, text, out of range) gives none.
std::optional<std::uint32_t> carbonField(const QVariantMap &dictionary, const QString &name)
{
    const auto found = dictionary.constFind(name);
    if (found == dictionary.constEnd())
        return std::nullopt;
    const QVariant &value = *found;
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short: {
        const qint64 n = value.toLongLong();
        if (n < 0 || n > qint64(max))
            return std::nullopt;
        return std::uint32_t(n);
    }
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort: {
        const quint64 n = value.toULongLong();
        if (n > max)
            return std::nullopt;
        return std::uint32_t(n);
    }
    default: return std::nullopt;
    }
}

}  // namespace

KeyCombo::KeyCombo(Key key, ModifierFlags modifiers)
    : carbonKeyCode(tavrin::carbonKeyCode(key)), carbonModifiers(modifiers.carbonFlags())
{
}

KeyCombo::KeyCombo(const QString &stkey, ModifierFlags modifiers) : carbonModifiers(modifiers.carbonFlags())
{
    setKey(keyFromString(stkey));
}

std::optional<KeyCombo> KeyCombo::fromDictionary(const QVariantMap &dictionary)
{
    const auto keyCode = carbonField(dictionary, kKeyCode);
    if (!keyCode)
        return std::nullopt;
    const auto modifiers = carbonField(dictionary, kModifiers);
    if (!modifiers)
        return std::nullopt;
    return KeyCombo(*keyCode, *modifiers);
}

QString KeyCombo::description() const
{
    QString text = modifiers().description();
    if (const auto k = key())
        text += tavrin::description(*k);
    return text;
}

QVariantMap KeyCombo::dictionary() const
{
    return {{kKeyCode, qint64(carbonKeyCode)}, {kModifiers, qint64(carbonModifiers)}};
}

}  // namespace tavrin
