#pragma once

#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <string>

#include "nettest/icmp/SystemEcho.h"
#include "nettest/InicializaPruebas.h"
#include "nettest/LoopRunner.h"
#include "nettest/Ping1Events.h"
#include "support/ScriptedDialogs.h"

namespace torva::test {

// Names the test knows; every other name is unknown, and no name server is asked.
class TableResolver final : public NameResolver {
  public:
    std::optional<std::string> resolve(const std::string& host) override {
        const std::lock_guard lock(mutex_);
        if (const auto it = names.find(host); it != names.end()) {
            return it->second;
        }
        return std::nullopt;
    }
    std::map<std::string, std::string> names{{"127.0.0.1", "127.0.0.1"},
                                             {"intranet.prueba", "127.0.0.1"}};

  private:
    std::mutex mutex_;
};

// The connection tab over the system's echo, aimed at 127.0.0.1.
struct PruebasFixture {
    explicit PruebasFixture(EchoTransport& transport)
        : ping(transport, resolver, runner, "127.0.0.1") {
        ping.setListener(&events);
        config.set(slot::kHost, " 127.0.0.1 ");
        pruebas.hostName = "127.0.0.1";
        InicializaPruebas(ctx);
    }
    PruebasFixture() : PruebasFixture(system) {}

    const std::string& comentario() const { return captions.get(Caption::LblComentario); }

    SystemEchoTransport system;
    TableResolver resolver;
    LoopRunner runner;
    IcmpEcho ping;
    ScriptedDialogs dialogs;
    PruebasState pruebas;
    Captions captions;
    ConfigRecord config;
    CycleState cycle;
    PruebasContext ctx{pruebas, captions, config, cycle, dialogs, &ping};
    Ping1Events events{ctx};
};

// Skips a test that needs ICMP sockets where the system gives none.
#define TORVA_NEED_ICMP()                                                      \
    do {                                                                       \
        if (!ok(::torva::SystemEchoTransport().check())) {                     \
            GTEST_SKIP() << "no ICMP socket on this system (datagram or raw)"; \
        }                                                                      \
    } while (false)

}  // namespace torva::test
