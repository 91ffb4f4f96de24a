#include "storage/GsfSession.h"

#include <gsf/gsf-utils.h>
#include <pthread.h>

namespace vantor::storage {

namespace {

std::mutex& SessionMutex() {
    static std::mutex mutex;
    return mutex;
}

// The domains the library logs under (a null domain included: some of its
// checks log without one).
constexpr const char* kTrappedDomains[] = {"libgsf:msole", "libgsf", nullptr};

constexpr size_t kFallbackStackBytes = size_t{32} << 20;

}  // namespace

GsfSession::GsfSession() : lock_(SessionMutex()) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { gsf_init(); });
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
    for (const char* domain : kTrappedDomains)
        handlers_.emplace_back(domain, g_log_set_handler(domain, levels, &GsfSession::OnLogMessage, this));
}

GsfSession::~GsfSession() {
    for (const auto& [domain, id] : handlers_) g_log_remove_handler(domain, id);
}

void GsfSession::OnLogMessage(const char*, GLogLevelFlags, const char*, gpointer self) {
    static_cast<GsfSession*>(self)->messages_.fetch_add(1);
}

HRESULT RunWithLargeStack(size_t stackBytes, const std::function<void()>& work) {
    const auto body = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    // Where address space is tight, a smaller stack still serves every file
    // of ordinary shape.
    for (size_t size : {stackBytes, kFallbackStackBytes}) {
        pthread_attr_t attributes;
        if (pthread_attr_init(&attributes) != 0) return STG_E_INSUFFICIENTMEMORY;
        pthread_t thread;
        const bool started = pthread_attr_setstacksize(&attributes, size) == 0 &&
                             pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work)) == 0;
        pthread_attr_destroy(&attributes);
        if (started) {
            pthread_join(thread, nullptr);
            return S_OK;
        }
    }
    return STG_E_INSUFFICIENTMEMORY;
}

}  // namespace vantor::storage
