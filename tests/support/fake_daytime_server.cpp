#include "fake_daytime_server.h"

#include <cstdio>

#include "clock_time.h"

namespace {

// Modified Julian Date of 1 January 1970.
constexpr int64_t kEpochMjd = 40587;
// How often the server's thread looks up from a wait to see if it should stop.
constexpr long kPollMicroseconds = 20000;

void SendAll(SOCKET socket, const std::string& text) {
    size_t sent = 0;
    while (sent < text.size()) {
        const int n = send(socket, text.data() + sent, static_cast<int>(text.size() - sent), 0);
        if (n <= 0) return;
        sent += static_cast<size_t>(n);
    }
}

}  // namespace

FakeDaytimeServer::FakeDaytimeServer(uint16_t port)
    : clientAccepted_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      clientClosed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
               sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 4) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread(&FakeDaytimeServer::Run, this);
}

FakeDaytimeServer::~FakeDaytimeServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    CloseHandle(clientAccepted_);
    CloseHandle(clientClosed_);
}

sockaddr_in FakeDaytimeServer::Address() const {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port_);
    return address;
}

void FakeDaytimeServer::Serve(Behaviour behaviour, std::string text) {
    std::lock_guard<std::mutex> lock(mutex_);
    behaviour_ = behaviour;
    text_ = std::move(text);
    ResetEvent(clientAccepted_);
}

bool FakeDaytimeServer::WaitForClient(DWORD timeoutMs) {
    return WaitForSingleObject(clientAccepted_, timeoutMs) == WAIT_OBJECT_0;
}

bool FakeDaytimeServer::WaitForClientToClose(DWORD timeoutMs) {
    return WaitForSingleObject(clientClosed_, timeoutMs) == WAIT_OBJECT_0;
}

std::string FakeDaytimeServer::CurrentTimeLine(int health) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    const int64_t mjd = horalink::DaysSinceEpoch(now.wYear, now.wMonth, now.wDay) + kEpochMjd;
    char line[96];
    std::snprintf(line, sizeof line,
                  "\n%05lld %02d-%02d-%02d %02d:%02d:%02d 00 0 %d %d.0 UTC(NIST) *\n",
                  static_cast<long long>(mjd), now.wYear % 100, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond, health, now.wMilliseconds);
    return line;
}

void FakeDaytimeServer::Run() {
    while (!stopping_) {
        if (!WaitUntilReadable(listener_)) continue;
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        ResetEvent(clientClosed_);
        SetEvent(clientAccepted_);
        Answer(client);
        closesocket(client);
    }
}

void FakeDaytimeServer::Answer(SOCKET client) {
    Behaviour behaviour;
    std::string text;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        behaviour = behaviour_;
        text = text_;
    }
    switch (behaviour) {
        case Behaviour::CurrentTime:
            SendAll(client, CurrentTimeLine());
            break;
        case Behaviour::CurrentTimeInPieces:
            SendAll(client, "\n");
            // A slow server: the rest of the reply follows in a later packet.
            Sleep(300);
            SendAll(client, CurrentTimeLine().substr(1));
            AwaitClientClose(client);
            break;
        case Behaviour::Text:
            SendAll(client, text);
            break;
        case Behaviour::CloseAtOnce:
            break;
        case Behaviour::Hang:
            AwaitClientClose(client);
            break;
    }
}

// A short select, so the thread sees a stop request soon.
bool FakeDaytimeServer::WaitUntilReadable(SOCKET socket) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval wait = {0, kPollMicroseconds};
    return select(0, &readable, nullptr, nullptr, &wait) == 1;
}

void FakeDaytimeServer::AwaitClientClose(SOCKET client) {
    char scratch[64];
    while (!stopping_) {
        if (!WaitUntilReadable(client)) continue;
        if (recv(client, scratch, sizeof scratch, 0) <= 0) {
            SetEvent(clientClosed_);
            return;
        }
    }
}
