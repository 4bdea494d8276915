#include "nettest/IcmpEcho.h"

#include <algorithm>
#include <utility>

namespace torva {
namespace {

constexpr int kLongestTimeoutMs = 60000;

}  // namespace

IcmpEcho::IcmpEcho(EchoTransport& transport, NameResolver& resolver, EchoRunner& runner,
                   std::string localAddress)
    : transport_(transport),
      resolver_(resolver),
      runner_(runner),
      localAddress_(std::move(localAddress)) {}

IcmpEcho::~IcmpEcho() {
    if (repeating_) {
        runner_.stopRepeat();
    }
}

void IcmpEcho::setTargetHost(std::string host) {
    if (host != targetHost_) {
        targetHost_ = std::move(host);
        targetAddress_.clear();
    }
}

void IcmpEcho::setReplyTimeout(int ms) {
    replyTimeout_ = std::clamp(ms, 1, kLongestTimeoutMs);
}

void IcmpEcho::setRepeatInterval(int ms) {
    repeatInterval_ = std::clamp(ms, 1, kLongestTimeoutMs);
    if (repeating_) {
        runner_.startRepeat(repeatInterval_, [this] { repeatTick(); });
    }
}

void IcmpEcho::setRepeating(bool on) {
    if (on == repeating_) {
        return;
    }
    repeating_ = on;
    if (!on) {
        runner_.stopRepeat();
        return;
    }
    runner_.startRepeat(repeatInterval_, [this] { repeatTick(); });
    repeatTick();
}

void IcmpEcho::setClearStatistics(bool on) {
    clearStatistics_ = on;
    if (on) {
        requestsSent_ = 0;
        repliesReceived_ = 0;
        sequence_ = 0;
        ++generation_;
    }
}

EchoCode IcmpEcho::Action(EchoAction action) {
    if (action == EchoAction::NewTarget) {
        targetAddress_.clear();
        return EchoCode::Ok;
    }
    if (const EchoCode socket = transport_.check(); !ok(socket)) {
        return socket;
    }
    if (!synchronous_) {
        issueDetached();
        return EchoCode::Ok;
    }
    const std::uint16_t sequence = ++sequence_;
    const std::uint64_t generation = generation_;
    ++requestsSent_;
    ++outstanding_;
    const std::string host = targetHost_;
    const EchoOutcome outcome = runner_.runWaiting(request(sequence));
    finish(generation, sequence, host, outcome);
    return outcome.code;
}

void IcmpEcho::issueDetached() {
    const std::uint16_t sequence = ++sequence_;
    const std::uint64_t generation = generation_;
    ++requestsSent_;
    ++outstanding_;
    runner_.runDetached(request(sequence),
                        [this, generation, sequence, host = targetHost_](const EchoOutcome& o) {
                            finish(generation, sequence, host, o);
                        });
}

EchoRunner::Work IcmpEcho::request(std::uint16_t sequence) const {
    // Copies only: the work may run on another thread.
    return [&transport = transport_, &resolver = resolver_, host = targetHost_,
            address = targetAddress_, sequence, timeout = replyTimeout_,
            dontFragment = dontFragment_]() {
        std::string target = address;
        if (target.empty()) {
            const auto resolved = resolver.resolve(host);
            if (!resolved) {
                return EchoOutcome{EchoCode::HostUnknown, 0, 0, {}};
            }
            target = *resolved;
        }
        EchoOutcome outcome = transport.echo(target, sequence, timeout, dontFragment);
        outcome.address = target;
        return outcome;
    };
}

void IcmpEcho::finish(std::uint64_t generation, std::uint16_t sequence, const std::string& host,
                      const EchoOutcome& outcome) {
    --outstanding_;
    if (generation != generation_) {
        return;
    }
    // A late reply of a former target leaves the present one's address alone.
    if (!outcome.address.empty() && host == targetHost_) {
        targetAddress_ = outcome.address;
    }
    if (ok(outcome.code)) {
        ++repliesReceived_;
        if (listener_) {
            listener_->EchoReply(sequence, outcome.bytes, outcome.milliseconds);
        }
    }
    if (listener_) {
        listener_->RequestDone();
    }
}

void IcmpEcho::repeatTick() {
    // A synchronous component has one request out at a time.
    if (synchronous_ && outstanding_ > 0) {
        return;
    }
    issueDetached();
}

}  // namespace torva
