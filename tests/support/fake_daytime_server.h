// A daytime server on 127.0.0.1 for Horalink's tests. It serves one
// connection after another on its own thread, each as its current behaviour
// says, and stops when it goes away. Winsock must be started.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

class FakeDaytimeServer {
  public:
    enum class Behaviour {
        CurrentTime,          // the true current UTC time in the NIST layout, then close
        CurrentTimeInPieces,  // a line feed, later the line; the connection stays open
        Text,                 // the given text, then close
        CloseAtOnce,          // close without sending anything
        Hang,                 // accept, then send nothing until the client gives up
    };

    // port 0 takes any free port.
    explicit FakeDaytimeServer(uint16_t port = 0);
    ~FakeDaytimeServer();

    bool Listening() const { return listener_ != INVALID_SOCKET; }
    uint16_t Port() const { return port_; }
    sockaddr_in Address() const;

    void Serve(Behaviour behaviour, std::string text = "");
    // A client was accepted since the last behaviour was set; false after the deadline.
    bool WaitForClient(DWORD timeoutMs);
    // The last served client closed its end; false after the deadline.
    bool WaitForClientToClose(DWORD timeoutMs);

    // The NIST line for the current UTC time. msADV carries the current
    // milliseconds, so a client that adds it has the time to the millisecond.
    // A health other than 0 says the server's time may be off.
    static std::string CurrentTimeLine(int health = 0);

  private:
    void Run();
    void Answer(SOCKET client);
    bool WaitUntilReadable(SOCKET socket);
    void AwaitClientClose(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    HANDLE clientAccepted_;
    HANDLE clientClosed_;
    std::mutex mutex_;
    Behaviour behaviour_ = Behaviour::CurrentTime;
    std::string text_;
    std::thread thread_;
};
