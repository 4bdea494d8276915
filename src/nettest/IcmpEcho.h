#pragma once

#include <cstdint>
#include <string>

#include "nettest/EchoCodes.h"
#include "nettest/EchoRunner.h"
#include "nettest/EchoTransport.h"

namespace torva {

// Notifications of the echo component, on the owner's thread.
class EchoListener {
  public:
    virtual ~EchoListener() = default;
    // A reply: its sequence number, data bytes and time from the request.
    virtual void EchoReply(std::uint16_t sequence, std::uint16_t bytes,
                           std::int32_t milliseconds) = 0;
    // After each request, answered or not.
    virtual void RequestDone() = 0;
};

// Values written to `Action`.
enum class EchoAction : int {
    Request = 1,
    NewTarget = 3,
};

// The ICMP echo component `Ping1`: target, time-outs, requests, replies and
// the local address, over the system's echo.
class IcmpEcho {
  public:
    IcmpEcho(EchoTransport& transport, NameResolver& resolver, EchoRunner& runner,
             std::string localAddress);
    ~IcmpEcho();
    IcmpEcho(const IcmpEcho&) = delete;
    IcmpEcho& operator=(const IcmpEcho&) = delete;

    void setListener(EchoListener* listener) { listener_ = listener; }

    const std::string& TargetHost() const { return targetHost_; }
    // A new host forgets the address resolved for the old one.
    void setTargetHost(std::string host);
    const std::string& TargetAddress() const { return targetAddress_; }
    const std::string& LocalAddress() const { return localAddress_; }

    bool Synchronous() const { return synchronous_; }
    void setSynchronous(bool on) { synchronous_ = on; }
    int ReplyTimeout() const { return replyTimeout_; }
    void setReplyTimeout(int ms);
    int RepeatInterval() const { return repeatInterval_; }
    void setRepeatInterval(int ms);
    bool Repeating() const { return repeating_; }
    // True: one request now and one every `RepeatInterval` until set false.
    void setRepeating(bool on);
    // Writing true starts the counts and the sequence again; replies of the
    // requests still out are not counted.
    bool ClearStatistics() const { return clearStatistics_; }
    void setClearStatistics(bool on);
    bool DontFragment() const { return dontFragment_; }
    void setDontFragment(bool on) { dontFragment_ = on; }

    // NewTarget forgets the resolved address.
    // Request issues one request: when synchronous it returns once answered
    // or failed with the failure; otherwise it returns at once and the
    // notifications follow. A socket that cannot be opened fails either way.
    EchoCode Action(EchoAction action);

    // Opens an ICMP socket and closes it again: Ok, or why none can be had.
    EchoCode checkSocket() { return transport_.check(); }

    int RequestsSent() const { return requestsSent_; }
    int RepliesReceived() const { return repliesReceived_; }

  private:
    EchoRunner::Work request(std::uint16_t sequence) const;
    void issueDetached();
    void finish(std::uint64_t generation, std::uint16_t sequence, const std::string& host,
                const EchoOutcome& outcome);
    void repeatTick();

    EchoTransport& transport_;
    NameResolver& resolver_;
    EchoRunner& runner_;
    EchoListener* listener_ = nullptr;

    std::string targetHost_;
    std::string targetAddress_;
    std::string localAddress_;
    bool synchronous_ = true;
    int replyTimeout_ = 2000;
    int repeatInterval_ = 1000;
    bool repeating_ = false;
    bool clearStatistics_ = false;
    bool dontFragment_ = false;

    int requestsSent_ = 0;
    int repliesReceived_ = 0;
    std::uint16_t sequence_ = 0;
    // Outcomes of requests issued before a clear are dropped.
    std::uint64_t generation_ = 0;
    // Requests issued and not finished.
    int outstanding_ = 0;
};

}  // namespace torva
