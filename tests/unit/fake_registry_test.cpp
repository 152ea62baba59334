#include "platform/fake/fake_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ruvo::fake {
namespace {

using platform::Hive;

// The simulator rewrites its registry file whenever the change handler is called, so a write
// that leaves the registry as it was must not call it, and every real change must.
TEST(FakeRegistry, TellsOfEveryChangeAndOfNothingElse) {
    struct Step {
        const char* what;
        std::function<void(FakeRegistry&)> act;
        bool changes;
    };
    const std::string key = "Software\\Test";
    const std::vector<Step> steps = {
        {"new value", [&](FakeRegistry& r) { r.writeString(Hive::CurrentUser, key, "A", "1"); },
         true},
        {"same text", [&](FakeRegistry& r) { r.writeString(Hive::CurrentUser, key, "A", "1"); },
         false},
        {"same text, name in other case",
         [&](FakeRegistry& r) { r.writeString(Hive::CurrentUser, key, "a", "1"); }, false},
        {"other text", [&](FakeRegistry& r) { r.writeString(Hive::CurrentUser, key, "A", "2"); },
         true},
        {"binary value", [&](FakeRegistry& r) { r.writeBinary(Hive::CurrentUser, key, "B"); },
         true},
        {"empty text over the binary value",
         [&](FakeRegistry& r) { r.writeString(Hive::CurrentUser, key, "B", ""); }, true},
        {"existing key", [&](FakeRegistry& r) { r.createKey(Hive::CurrentUser, key); }, false},
        {"missing value deleted",
         [&](FakeRegistry& r) { r.deleteValue(Hive::CurrentUser, key, "C"); }, false},
        {"value deleted", [&](FakeRegistry& r) { r.deleteValue(Hive::CurrentUser, key, "A"); },
         true},
        {"key deleted", [&](FakeRegistry& r) { r.deleteKeyTree(Hive::CurrentUser, key); }, true},
    };
    FakeRegistry registry;
    int changes = 0;
    registry.setChangeHandler([&] { ++changes; });
    for (const Step& step : steps) {
        changes = 0;
        step.act(registry);
        EXPECT_EQ(changes > 0, step.changes) << step.what;
    }
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, key));
}

}  // namespace
}  // namespace ruvo::fake
