#include "names/WorkDirs.h"

#include "platform/Paths.h"
#include "platform/Text.h"

namespace torva {

namespace remote {

std::string uploadPath(const std::string& name) {
    return "REC/" + asciiLower(name);
}

std::string configUploadPath(const ConfigRecord& config, std::uint8_t profileIndex) {
    return "REC/" + config.get(slot::kUser) + "odbc" + std::to_string(profileIndex) + ".reg";
}

std::string responsePath(const std::string& responseName) {
    return "ENV/" + responseName;
}

}  // namespace remote

WorkDirs workDirs(const ConfigRecord& config) {
    WorkDirs d;
    d.send = config.get(slot::kSendDir);
    d.sent = joinPath(d.send, "Enviados");
    d.pending = joinPath(d.send, "Pend");
    d.rejected = joinPath(d.send, "Rechaza");
    d.registry = joinPath(d.send, "bitacora");
    d.receive = config.get(slot::kReceiveDir);
    d.backup = joinPath(d.receive, "Respalda");
    return d;
}

}  // namespace torva
