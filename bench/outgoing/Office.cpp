#include "Office.h"

#include <cstdio>
#include <stdexcept>

#include "logview/DailyLog.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "support/Profile.h"

namespace torva::bench {
namespace {

using test::saveProfile;

std::string fileName(char letter, int folio) {
    char text[32];
    std::snprintf(text, sizeof text, "%c1234%03d.%03d", letter, folio, kDay);
    return text;
}

// A validation file of about 2 KB.
std::string content(const std::string& n) {
    std::string text = "500|1|1234|3420|0|123456\r\n";
    for (int i = 0; i < 30; ++i) {
        text += "551|" + n + "|" + std::to_string(i) + "|PARTIDA DE MERCANCIA DE PRUEBA|\r\n";
    }
    return text + "801|" + n + "|1|4|999|\r\n";
}

}  // namespace

Office::Office(std::vector<std::string> serverArgs) {
    for (const char* dir : {"REC", "ENV", "ENV/general", "peer"}) {
        makeDirectory(remote.path() + "/" + dir);
    }
    send = local.file("env");
    receive = local.file("rec");
    pend = joinPath(send, "Pend");
    for (const std::string& dir : {send, receive, pend, joinPath(send, "Enviados")}) {
        makeDirectory(dir);
    }
    test::FtpServer::Options options;
    options.root = remote.path();
    options.extraArgs = std::move(serverArgs);
    server = std::make_unique<test::FtpServer>(options);

    const bool saved = saveProfile(local.path(), 0,
                                   {{slot::kHost, "127.0.0.1"},
                                    {slot::kPrimaryServer, "127.0.0.1"},
                                    {slot::kPort, server->portText()},
                                    {slot::kUser, options.user},
                                    {slot::kPassword, options.password},
                                    {slot::kSendDir, send},
                                    {slot::kReceiveDir, receive},
                                    {slot::kSendLetters, "m,b"},
                                    {slot::kReceiveLetters, "m,r"},
                                    {slot::kLowerFolio, "000"},
                                    {slot::kUpperFolio, "999"},
                                    {slot::kRoutes, "0"},
                                    {slot::kPassive, "1"},
                                    {slot::kSign, "0"},
                                    {slot::kAutoSend, "1"},
                                    {slot::kPurge, "0"}});
    if (!saved) {
        throw std::runtime_error("the profile's configuration could not be written");
    }
}

std::vector<std::string> Office::newFiles(int count) const {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        const std::string n = fileName(i < 1000 ? 'm' : 'b', i % 1000);
        test::writeBytes(joinPath(send, n), content(n));
        names.push_back(n);
    }
    return names;
}

std::vector<std::string> Office::markers(int count, int step) const {
    std::vector<std::string> answered;
    for (int i = 0; i < count; ++i) {
        const std::string n = fileName('b', i);
        test::writeBytes(joinPath(pend, n), content(n));
        if (i % step == 0) {
            const std::string r = fileName('r', i);
            test::writeBytes(remote.path() + "/ENV/" + r, "respuesta " + r + "\r\n");
            answered.push_back(r);
        }
    }
    return answered;
}

void Office::reanswer(int count, int step) const {
    for (int i = 0; i < count; i += step) {
        const std::string n = fileName('b', i);
        test::writeBytes(joinPath(pend, n), content(n));
        (void)removeFile(joinPath(receive, fileName('r', i)));
    }
    ConfigRecord config;
    config.set(slot::kReceiveDir, receive);
    config.set(slot::kUser, "usuario1234");
    (void)removeFile(dailyLogPath(config, kDay));  // the day's log as the first run found it
}

void Office::preloadLog(int entries) const {
    std::vector<std::string> lines;
    for (int i = 0; i < entries; ++i) {
        lines.push_back(logLine(LogKind::Enviado, fileName('c', i % 1000), "08:00:00"));
    }
    ConfigRecord config;
    config.set(slot::kReceiveDir, receive);
    config.set(slot::kUser, "usuario1234");
    appendDailyLog(dailyLogPath(config, kDay), lines);
}

void Office::fillOlder(const std::string& folder, int count) const {
    for (int i = 0; i < count; ++i) {
        test::writeBytes(joinPath(folder, "antiguo" + std::to_string(i) + ".err"), "");
    }
}

std::string Office::lftpOpen() const {
    return "set cmd:fail-exit yes; set net:max-retries 1; set ftp:passive-mode on; "
           "open -u usuario1234,secreto -p " +
           server->portText() + " 127.0.0.1; ";
}

std::string Office::curlBase() const {
    return "ftp://127.0.0.1:" + server->portText() + "/";
}

}  // namespace torva::bench
