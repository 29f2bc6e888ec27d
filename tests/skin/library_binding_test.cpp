#include "platform/library_binding.h"
#include "platform/program_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Failures {
    std::vector<std::string> messages;
    platform::LibraryBinding::FailureReporter reporter()
    {
        return [this](const std::string& message) { messages.push_back(message); };
    }
};

TEST(LibraryBinding, FindsTheLibraryBesideTheProgramAndCallsItsEntry)
{
    Failures failures;
    platform::LibraryBinding binding(
        platform::programDirectory(), "binding_probe.so", "probeAnswer", failures.reporter());
    EXPECT_FALSE(binding.isLoaded()); // nothing happens before the first use
    auto* entry = binding.entryAs<std::int32_t()>();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(), 42);
    EXPECT_TRUE(binding.isLoaded());
    EXPECT_TRUE(failures.messages.empty());
}

TEST(LibraryBinding, FallsBackToTheSystemSearchByBareName)
{
    Failures failures;
    platform::LibraryBinding binding("/nonexistent", "libm.so.6", "cos", failures.reporter());
    auto* cosine = binding.entryAs<double(double)>();
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
}

TEST(LibraryBinding, FailureIsReportedOnceNamingLibraryAndEntryAndUnloads)
{
    struct Case {
        const char* library;
        const char* entry;
    };
    for (const Case c : {Case {"no_such_library.so", "probeAnswer"}, Case {"binding_probe.so", "noSuchEntry"}}) {
        Failures failures;
        platform::LibraryBinding binding(platform::programDirectory(), c.library, c.entry, failures.reporter());
        EXPECT_EQ(binding.entry(), nullptr);
        EXPECT_EQ(binding.entry(), nullptr);
        EXPECT_FALSE(binding.isLoaded());
        ASSERT_EQ(failures.messages.size(), 1U) << c.library;
        EXPECT_NE(failures.messages[0].find(c.library), std::string::npos);
        EXPECT_NE(failures.messages[0].find(c.entry), std::string::npos);
    }
}

} // namespace
