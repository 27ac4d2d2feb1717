// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppContext.h"
#include "platform/fake/FakePlatform.h"
#include "store/SettingsStore.h"

#include <memory>

namespace tavrin::test {

// An application context over the fake platform with its settings in memory (or in a file), and typed access to
// both. Header only: the tests that use it link the application layer.
struct FakeAppContext {
    FakePlatform *platform = nullptr;
    SettingsStore *settings = nullptr;
    std::unique_ptr<AppContext> context;

    FakeAppContext() : FakeAppContext(std::make_unique<SettingsStore>()) {}
    /// With the settings of a file, written back to it.
    explicit FakeAppContext(const QString &settingsPath) : FakeAppContext(std::make_unique<SettingsStore>(settingsPath))
    {
    }
    explicit FakeAppContext(std::unique_ptr<SettingsStore> store)
    {
        auto fake = std::make_unique<FakePlatform>();
        platform = fake.get();
        settings = store.get();
        context = std::make_unique<AppContext>(std::move(fake), std::move(store));
    }
};

}  // namespace tavrin::test
