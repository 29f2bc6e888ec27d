#include "platform/library_binding.h"

#include <dlfcn.h>

#include <utility>

namespace platform {
namespace {

std::string lastLoaderError()
{
    const char* error = ::dlerror();
    return error ? error : "unknown error";
}

} // namespace

LibraryBinding::LibraryBinding(
    std::string directory, std::string libraryName, std::string entryName, FailureReporter onFailure)
    : m_directory(std::move(directory))
    , m_libraryName(std::move(libraryName))
    , m_entryName(std::move(entryName))
    , m_onFailure(std::move(onFailure))
{ }

LibraryBinding::~LibraryBinding()
{
    if (m_handle)
        ::dlclose(m_handle);
}

void* LibraryBinding::entry()
{
    if (!m_tried) {
        m_tried = true;
        bind();
    }
    return m_entry;
}

void LibraryBinding::bind()
{
    m_handle = load();
    if (!m_handle) {
        fail(lastLoaderError());
        return;
    }
    ::dlerror();
    m_entry = ::dlsym(m_handle, m_entryName.c_str());
    if (!m_entry) {
        const std::string detail = lastLoaderError();
        ::dlclose(m_handle);
        m_handle = nullptr;
        fail(detail);
    }
}

// The program's own directory first; then the bare name, which leaves the search to the loader.
void* LibraryBinding::load() const
{
    if (!m_directory.empty()) {
        const std::string besideProgram = m_directory + "/" + m_libraryName;
        if (void* handle = ::dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    return ::dlopen(m_libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void LibraryBinding::fail(const std::string& detail)
{
    if (m_onFailure)
        m_onFailure(
            "Cannot bind the entry \"" + m_entryName + "\" of the library \"" + m_libraryName + "\": " + detail);
}

} // namespace platform
