// Use of the compound-file library: one session at a time in the process,
// with its log messages trapped. The library reports damage it meets by
// logging and carrying on, so any message during a session means the result
// cannot be trusted.
#pragma once

#include "vantor/platform/wintypes.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <glib-object.h>

namespace vantor::storage {

class GsfSession {
public:
    GsfSession();
    ~GsfSession();
    GsfSession(const GsfSession&) = delete;
    GsfSession& operator=(const GsfSession&) = delete;

    bool MessagesLogged() const { return messages_.load() != 0; }

private:
    static void OnLogMessage(const char* domain, GLogLevelFlags level, const char* message, gpointer self);

    std::unique_lock<std::mutex> lock_;
    std::vector<std::pair<const char*, guint>> handlers_;
    std::atomic<int> messages_{0};
};

struct GObjectUnref {
    void operator()(void* object) const {
        if (object) g_object_unref(object);
    }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Runs work on a thread with a stack of stackBytes and waits for it;
// STG_E_INSUFFICIENTMEMORY when no such thread can be made.
HRESULT RunWithLargeStack(size_t stackBytes, const std::function<void()>& work);

}  // namespace vantor::storage
