// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

namespace tavrin {

// The objects a registry made, in the order it made them, so that they can go newest first: a window before the
// view it holds.
class CreationOrder {
public:
    CreationOrder() = default;
    CreationOrder(const CreationOrder &) = delete;
    CreationOrder &operator=(const CreationOrder &) = delete;

    void append(QObject *object) { m_objects.append(object); }
    /// Deletes, newest first, every object still alive that nothing else took as a child.
    void deleteNewestFirst()
    {
        for (qsizetype i = m_objects.size() - 1; i >= 0; --i) {
            QObject *object = m_objects.at(i).data();
            if (object && !object->parent())
                delete object;
        }
        m_objects.clear();
    }

private:
    QList<QPointer<QObject>> m_objects;
};

// One object of type T, made by its factory on first use and kept for the rest of the run: `slot()` gives it,
// `slot.exists()` tells whether it was made without making it.
template <typename T> class LazyObject {
public:
    using Factory = std::function<T *()>;

    explicit LazyObject(CreationOrder &order) : m_order(order) {}
    LazyObject(const LazyObject &) = delete;
    LazyObject &operator=(const LazyObject &) = delete;

    /// Sets how the object is made; only before its first use (tests put their own objects in place).
    void setFactory(Factory factory)
    {
        Q_ASSERT_X(!exists(), "LazyObject::setFactory", "the object exists already");
        m_factory = std::move(factory);
    }
    /// The object, made now when this is its first use; null when its factory could not make it.
    T *operator()()
    {
        if (m_object)
            return m_object;
        Q_ASSERT_X(!m_creating, "LazyObject", "a factory needs its own object");
        m_creating = true;
        T *object = m_factory ? m_factory() : nullptr;
        m_creating = false;
        m_object = object;
        if (object)
            m_order.append(object);
        return object;
    }
    bool exists() const { return !m_object.isNull(); }
    /// The object when it was made, else null; never makes it.
    T *ifExists() const { return m_object.data(); }

private:
    CreationOrder &m_order;
    Factory m_factory;
    QPointer<T> m_object;
    bool m_creating = false;
};

}  // namespace tavrin
