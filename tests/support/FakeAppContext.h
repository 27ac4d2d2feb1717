#pragma once

#include "app/AppContext.h"
#include "platform/fake/FakePlatform.h"
#include "store/SettingsStore.h"

#include <memory>

namespace tavrin::test {

// An application context over the fake platform with its settings in memory, and typed access to both.
// Header only: the tests that use it link the application layer.
struct FakeAppContext {
    FakePlatform *platform = nullptr;
    SettingsStore *settings = nullptr;
    std::unique_ptr<AppContext> context;

    FakeAppContext()
    {
        auto fake = std::make_unique<FakePlatform>();
        platform = fake.get();
        auto store = std::make_unique<SettingsStore>();
        settings = store.get();
        context = std::make_unique<AppContext>(std::move(fake), std::move(store));
    }
};

}  // namespace tavrin::test
