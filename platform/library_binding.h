#pragma once

#include <functional>
#include <string>

namespace platform {

// One entry of a shared library, bound by name. The library is looked for first in a given directory
// (the program's own), then by its bare name through the system's usual search. The entry is resolved
// on first use; the library stays loaded until the binding is destroyed.
class LibraryBinding {
public:
    // Told what failed, naming the library file and the entry, when they cannot be bound.
    using FailureReporter = std::function<void(const std::string& message)>;

    LibraryBinding(std::string directory, std::string libraryName, std::string entryName, FailureReporter onFailure);
    ~LibraryBinding();

    LibraryBinding(const LibraryBinding&) = delete;
    LibraryBinding& operator=(const LibraryBinding&) = delete;

    // The entry's address, binding it on the first call. On failure whatever was loaded is unloaded, the
    // reporter is told, and the result is null (then and on every later call).
    [[nodiscard]] void* entry();

    template<typename Function> [[nodiscard]] Function* entryAs() { return reinterpret_cast<Function*>(entry()); }

    [[nodiscard]] bool isLoaded() const { return m_handle != nullptr; }

private:
    void bind();
    void* load() const;
    void fail(const std::string& detail);

    std::string m_directory;
    std::string m_libraryName;
    std::string m_entryName;
    FailureReporter m_onFailure;
    void* m_handle = nullptr;
    void* m_entry = nullptr;
    bool m_tried = false;
};

} // namespace platform
