#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/fake/FakeHotKeyService.h"

#include <QTest>

#include <limits>

using namespace tavrin;

namespace {

constexpr std::uint32_t kCommandShift = 0x300;

struct Registry {
    FakeHotKeyService service;
    HotKeysController controller{service};
    int failures = 0;
    Registry()
    {
        controller.registrationFailedHook = [this] { ++failures; };
    }
    std::uint32_t idOf(const HotKey &hotKey) const
    {
        for (const auto &[id, box] : controller.hotKeys()) {
            if (box.identifier == hotKey.identifier())
                return id;
        }
        return 0;
    }
};

}  // namespace

class TestHotKeyRegistry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void idsStartAtOneAndAreNeverReused()
    {
        Registry r;
        const auto first = HotKey::create(r.controller, Key::v, ModifierFlags(ModifierFlags::command));
        const auto second = HotKey::create(r.controller, 8, 0x100);
        QCOMPARE(r.idOf(*first), 1u);
        QCOMPARE(r.idOf(*second), 2u);
        first->setPaused(true);
        QCOMPARE(r.idOf(*first), 0u);
        first->setPaused(false);
        QCOMPARE(r.idOf(*first), 3u);
        QCOMPARE(r.controller.hotKeysCount(), 3u);

        // Every id goes to the system under the signature "HtKy".
        QCOMPARE(HotKeysController::signature, 0x48744B79u);
        QCOMPARE(r.service.registerCalls.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(r.service.registerCalls[i], (EventHotKeyID{0x48744B79u, std::uint32_t(i + 1)}));
        QCOMPARE(r.service.registrations().size(), std::size_t(2));
        QVERIFY(r.service.isRegistered(9, 0x100));
        QVERIFY(r.service.isRegistered(8, 0x100));
    }

    void pauseAndResumeAreIdempotent()
    {
        Registry r;
        const auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        const auto table = r.controller.hotKeys();
        hotKey->setPaused(false);  // registered already: nothing changes
        QCOMPARE(r.controller.hotKeys().size(), table.size());
        QCOMPARE(r.idOf(*hotKey), 1u);
        QCOMPARE(r.service.registerCalls.size(), 1);

        hotKey->setPaused(true);
        hotKey->setPaused(true);
        QVERIFY(hotKey->isPaused());
        QCOMPARE(r.service.unregisterCalls.size(), 1);
        QVERIFY(r.controller.hotKeys().empty());
        QVERIFY(!r.service.isRegistered(9, kCommandShift));
        QCOMPARE(r.service.press(9, kCommandShift), std::nullopt);

        hotKey->setPaused(false);
        QVERIFY(r.service.isRegistered(9, kCommandShift));
        QCOMPARE(r.failures, 0);
    }

    void destructionUnregisters()
    {
        Registry r;
        auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        hotKey.reset();
        QVERIFY(r.controller.hotKeys().empty());
        QVERIFY(r.service.registrations().empty());
    }

    void theHandlerIsInstalledOnceAfterTheFirstSuccess()
    {
        Registry r;
        r.service.takeByOtherApplication(9, kCommandShift);
        const auto refused = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        QVERIFY(!r.controller.isEventHandlerInstalled());
        QCOMPARE(r.service.installedHandlerCount(), 0);

        const auto a = HotKey::create(r.controller, KeyCombo(0, 0x100));
        const auto b = HotKey::create(r.controller, KeyCombo(11, 0x100));
        QVERIFY(r.controller.isEventHandlerInstalled());
        QCOMPARE(r.service.installedHandlerCount(), 1);
        const std::vector<EventTypeSpec> expected = {{fourCharCode("keyb"), 5}, {fourCharCode("keyb"), 6}};
        QCOMPARE(r.service.installedHandlerTypes.value(0), expected);
    }

    void eventsRunTheHandlerOfTheirKind()
    {
        Registry r;
        int downs = 0;
        const auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift), [&] { ++downs; });
        QCOMPARE(r.service.press(9, kCommandShift), std::optional<OSStatus>(noErr));
        QCOMPARE(downs, 1);
        // No key-up handler: the release goes on to others.
        QCOMPARE(r.service.release(9, kCommandShift), std::optional<OSStatus>(eventNotHandledErr));

        int ups = 0;
        hotKey->setKeyUpHandler([&] { ++ups; });
        QCOMPARE(r.service.release(9, kCommandShift), std::optional<OSStatus>(noErr));
        QCOMPARE(ups, 1);

        // A replaced handler runs from the next event on.
        int replaced = 0;
        hotKey->setKeyDownHandler([&] { ++replaced; });
        r.service.press(9, kCommandShift);
        QCOMPARE(downs, 1);
        QCOMPARE(replaced, 1);
        hotKey->setKeyDownHandler({});
        QCOMPARE(r.service.press(9, kCommandShift), std::optional<OSStatus>(eventNotHandledErr));
    }

    void eventsThatAreNotOursAreNotHandled()
    {
        Registry r;
        int downs = 0;
        const auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift), [&] { ++downs; });
        const std::uint32_t id = r.idOf(*hotKey);

        QCOMPARE(r.service.deliver(nullptr), eventNotHandledErr);
        // The parameter cannot be read: that status comes back unchanged.
        const HotKeyEvent withoutId{kEventClassKeyboard, kEventHotKeyPressed, std::nullopt};
        QCOMPARE(r.controller.handleEvent(&withoutId), eventParameterNotFoundErr);
        const HotKeyEvent foreign{kEventClassKeyboard, kEventHotKeyPressed, EventHotKeyID{fourCharCode("Othr"), id}};
        QCOMPARE(r.service.deliver(&foreign), eventNotHandledErr);
        const HotKeyEvent unknownId{kEventClassKeyboard, kEventHotKeyPressed,
                                    EventHotKeyID{HotKeysController::signature, id + 7}};
        QCOMPARE(r.service.deliver(&unknownId), eventNotHandledErr);
        const HotKeyEvent otherKind{kEventClassKeyboard, 7, EventHotKeyID{HotKeysController::signature, id}};
        QCOMPARE(r.controller.handleEvent(&otherKind), eventNotHandledErr);
        QCOMPARE(downs, 0);

        // Once paused, its old id no longer runs anything.
        hotKey->setPaused(true);
        const HotKeyEvent stale{kEventClassKeyboard, kEventHotKeyPressed,
                                EventHotKeyID{HotKeysController::signature, id}};
        QCOMPARE(r.controller.handleEvent(&stale), eventNotHandledErr);
        QCOMPARE(downs, 0);
        const HotKeyEvent pressed{kEventClassKeyboard, kEventHotKeyPressed,
                                  EventHotKeyID{HotKeysController::signature, id}};
        hotKey->setPaused(false);
        QCOMPARE(r.controller.handleEvent(&pressed), eventNotHandledErr);  // registered again under a new id
        QCOMPARE(r.service.press(9, kCommandShift), std::optional<OSStatus>(noErr));
        QCOMPARE(downs, 1);
    }

    void anEventForADeadOwnerDropsItsEntry()
    {
        Registry r;
        auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift), [] {});
        const std::uint32_t id = r.idOf(*hotKey);
        // The event arrives while the owner is going away: it is gone, its box not yet.
        std::optional<OSStatus> status;
        bool entryWhileDying = false;
        r.service.whileUnregistering = [&](EventHotKeyRef) {
            entryWhileDying = r.controller.hotKeys().contains(id);
            const HotKeyEvent event{kEventClassKeyboard, kEventHotKeyPressed,
                                    EventHotKeyID{HotKeysController::signature, id}};
            status = r.service.deliver(&event);
        };
        hotKey.reset();
        QVERIFY(entryWhileDying);
        QCOMPARE(status, std::optional<OSStatus>(eventNotHandledErr));
        QVERIFY(!r.controller.hotKeys().contains(id));
        QVERIFY(!r.controller.hotKey(id));
        QVERIFY(r.controller.hotKeys().empty());
    }

    void aRefusedRegistrationKeepsItsBoxUntilUnregistered()
    {
        Registry r;
        r.service.takeByOtherApplication(9, kCommandShift);
        int downs = 0;
        const auto hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift), [&] { ++downs; });
        QCOMPARE(r.failures, 1);
        QCOMPARE(r.controller.hotKeys().size(), std::size_t(1));
        const auto &box = r.controller.hotKeys().begin()->second;
        QCOMPARE(box.carbonHotKeyID, 1u);
        QCOMPARE(box.carbonEventHotKey, EventHotKeyRef(0));
        QCOMPARE(box.hotKey.lock(), hotKey);
        QCOMPARE(r.service.press(9, kCommandShift), std::nullopt);  // the system never delivers it

        // Counted as registered: resuming does not try again.
        hotKey->setPaused(false);
        QCOMPARE(r.service.registerCalls.size(), 1);
        QCOMPARE(r.failures, 1);

        hotKey->setPaused(true);
        QVERIFY(r.controller.hotKeys().empty());
        QCOMPARE(r.service.unregisterCalls, QList<EventHotKeyRef>{0});
    }

    void aCombinationIsHeldOnce()
    {
        Registry r;
        const auto first = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        const auto second = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        QCOMPARE(r.failures, 1);
        QCOMPARE(r.controller.hotKeys().size(), std::size_t(2));
    }

    void theLastIdIsTheLimit()
    {
        FakeHotKeyService service;
        HotKeysController controller(service, std::numeric_limits<std::uint32_t>::max() - 1);
        int failures = 0;
        controller.registrationFailedHook = [&] { ++failures; };
        const auto last = HotKey::create(controller, KeyCombo(0, 0x100));
        QCOMPARE(controller.hotKeys().begin()->first, 4294967295u);
        const auto beyond = HotKey::create(controller, KeyCombo(1, 0x100));
        QCOMPARE(failures, 1);
        QCOMPARE(controller.hotKeys().size(), std::size_t(1));
        QCOMPARE(controller.hotKeysCount(), 4294967295u);
        QVERIFY(!service.isRegistered(1, 0x100));
    }

    void aHandlerMayReleaseItsOwnHotKey()
    {
        Registry r;
        std::shared_ptr<HotKey> hotKey = HotKey::create(r.controller, KeyCombo(9, kCommandShift));
        hotKey->setKeyDownHandler([&] { hotKey.reset(); });
        QCOMPARE(r.service.press(9, kCommandShift), std::optional<OSStatus>(noErr));
        QVERIFY(!hotKey);
        QVERIFY(r.controller.hotKeys().empty());
        QVERIFY(r.service.registrations().empty());
    }

    void theRegistryLeavesNothingBehind()
    {
        FakeHotKeyService service;
        std::shared_ptr<HotKey> survivor;
        {
            HotKeysController controller(service);
            survivor = HotKey::create(controller, KeyCombo(9, kCommandShift), [] {});
            QCOMPARE(service.installedHandlerCount(), 1);
        }
        QVERIFY(service.registrations().empty());
        QCOMPARE(service.installedHandlerCount(), 0);
        survivor->setPaused(true);  // the registry is gone: nothing to do, nothing to crash
        survivor.reset();
    }
};

QTEST_GUILESS_MAIN(TestHotKeyRegistry)
#include "tst_hotkey_registry.moc"
