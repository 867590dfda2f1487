// One synchronisation of the clock with a daytime server: a worker thread
// connects, reads the server's line, converts it to local time with the
// network delay added, sets the clock and reports the outcome once.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "clock_time.h"

namespace horalink {

constexpr uint16_t kDaytimePort = 13;
// Time for the whole reply to arrive once connected.
constexpr DWORD kReceiveTimeoutMs = 4000;

// The server's address on the daytime port, from a dotted IPv4 address or a
// host name; nothing when it cannot be found. A name lookup blocks the caller.
std::optional<sockaddr_in> ResolveServer(const char* host);

enum class SyncOutcome { Synchronised, Failed };

class SyncAttempt {
  public:
    // Called on the worker thread, once, unless the attempt is cancelled.
    using Report = std::function<void(SyncOutcome)>;

    static std::shared_ptr<SyncAttempt> Start(const sockaddr_in& server, Report report);
    ~SyncAttempt();

    // Ends the attempt at once, without stopping its thread: closing the
    // socket unblocks connect and receive, and from then on the attempt sets
    // nothing and reports nothing. Too late once the clock is being set.
    void Cancel();

  private:
    SyncAttempt(const sockaddr_in& server, Report report);
    static DWORD WINAPI RunWorker(void* parameter);
    void Run();
    std::optional<ClockTime> FetchLocalTime();
    bool Adopt(SOCKET socket);
    void CloseSocket();
    void CloseSocketLocked();
    bool Claim();

    const sockaddr_in server_;
    const Report report_;
    HANDLE thread_ = nullptr;

    std::mutex mutex_;  // guards what the dialog's thread and the worker share:
    SOCKET socket_ = INVALID_SOCKET;
    bool cancelled_ = false;
    bool claimed_ = false;  // the worker is setting the clock or reporting
};

}  // namespace horalink
