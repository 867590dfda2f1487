#include "sync_attempt.h"

#include <ws2tcpip.h>

#include "daytime_reply.h"
#include "win32_privilege.h"

namespace horalink {
namespace {

// The reply is one line of about fifty characters.
constexpr size_t kReplySize = 128;

SYSTEMTIME ToSystemTime(const ClockTime& time) {
    SYSTEMTIME st = {};
    st.wYear = time.year;
    st.wMonth = time.month;
    st.wDay = time.day;
    st.wHour = time.hour;
    st.wMinute = time.minute;
    st.wSecond = time.second;
    st.wMilliseconds = time.milliseconds;
    return st;
}

ClockTime FromSystemTime(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

// Reads until the server closes the connection or a whole line has come,
// within kReceiveTimeoutMs in all. False on an error, on the time-out and
// when a cancel closed the socket.
bool ReceiveReply(SOCKET socket, char* reply, size_t* size) {
    const DWORD start = GetTickCount();
    *size = 0;
    while (*size < kReplySize) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= kReceiveTimeoutMs) return false;
        const DWORD remaining = kReceiveTimeoutMs - elapsed;
        if (setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&remaining),
                       sizeof remaining) != 0) {
            return false;
        }
        const int received = recv(socket, reply + *size, static_cast<int>(kReplySize - *size), 0);
        if (received < 0) return false;
        if (received == 0) return true;
        *size += static_cast<size_t>(received);
        if (HoldsCompleteLine(reply, *size)) return true;
    }
    return true;
}

// The zone's bias at that UTC time by the system's own rules, so a clock
// that is wrong across a daylight-saving change still gets the right hour.
std::optional<int32_t> ZoneBiasAt(const ClockTime& utc) {
    const SYSTEMTIME utcTime = ToSystemTime(utc);
    SYSTEMTIME localTime;
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utcTime, &localTime)) return std::nullopt;
    return BiasMinutes(utc, FromSystemTime(localTime));
}

bool SetClock(const ClockTime& local) {
    privilege::Enable(SE_SYSTEMTIME_NAME);
    const SYSTEMTIME time = ToSystemTime(local);
    // The system turns a local time into UTC with the daylight-saving state of
    // the clock it replaces; the second call uses the state of the new time.
    return SetLocalTime(&time) && SetLocalTime(&time);
}

}  // namespace

std::optional<sockaddr_in> ResolveServer(const char* host) {
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (host[0] == '\0' || getaddrinfo(host, nullptr, &hints, &found) != 0) return std::nullopt;
    sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    freeaddrinfo(found);
    address.sin_port = htons(kDaytimePort);
    return address;
}

SyncAttempt::SyncAttempt(const sockaddr_in& server, Report report)
    : server_(server), report_(std::move(report)) {}

SyncAttempt::~SyncAttempt() {
    if (thread_) CloseHandle(thread_);
}

std::shared_ptr<SyncAttempt> SyncAttempt::Start(const sockaddr_in& server, Report report) {
    std::shared_ptr<SyncAttempt> attempt(new SyncAttempt(server, std::move(report)));
    // The worker holds its own reference, so the attempt outlives whoever
    // started it for as long as the worker runs.
    auto* workerReference = new std::shared_ptr<SyncAttempt>(attempt);
    attempt->thread_ =
        CreateThread(nullptr, 0, &SyncAttempt::RunWorker, workerReference, 0, nullptr);
    if (!attempt->thread_) {
        delete workerReference;
        attempt->report_(SyncOutcome::Failed);
    }
    return attempt;
}

DWORD WINAPI SyncAttempt::RunWorker(void* parameter) {
    auto* reference = static_cast<std::shared_ptr<SyncAttempt>*>(parameter);
    const std::shared_ptr<SyncAttempt> attempt = *reference;
    delete reference;
    attempt->Run();
    return 0;
}

void SyncAttempt::Run() {
    const std::optional<ClockTime> local = FetchLocalTime();
    if (!Claim()) return;
    const bool set = local && SetClock(*local);
    report_(set ? SyncOutcome::Synchronised : SyncOutcome::Failed);
}

std::optional<ClockTime> SyncAttempt::FetchLocalTime() {
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET || !Adopt(socket)) return std::nullopt;

    const DWORD t0 = GetTickCount();
    char reply[kReplySize] = {};
    size_t size = 0;
    const bool received =
        connect(socket, reinterpret_cast<const sockaddr*>(&server_), sizeof server_) == 0 &&
        ReceiveReply(socket, reply, &size);
    const DWORD t1 = GetTickCount();
    CloseSocket();
    if (!received) return std::nullopt;

    const std::optional<ClockTime> utc = ReadDaytimeReply(reply, size);
    if (!utc) return std::nullopt;
    const std::optional<int32_t> bias = ZoneBiasAt(*utc);
    if (!bias) return std::nullopt;
    const DWORD t2 = GetTickCount();
    return LocalClockTime(*utc, DelayCorrection(t0, t1, t2), *bias);
}

bool SyncAttempt::Adopt(SOCKET socket) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (cancelled_) {
        closesocket(socket);
        return false;
    }
    socket_ = socket;
    return true;
}

void SyncAttempt::CloseSocket() {
    std::lock_guard<std::mutex> lock(mutex_);
    CloseSocketLocked();
}

void SyncAttempt::CloseSocketLocked() {
    if (socket_ == INVALID_SOCKET) return;
    closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

bool SyncAttempt::Claim() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (cancelled_) return false;
    claimed_ = true;
    return true;
}

void SyncAttempt::Cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (claimed_) return;
    cancelled_ = true;
    CloseSocketLocked();
}

}  // namespace horalink
