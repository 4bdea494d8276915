#include "profiles/Respaldo.h"

#include "platform/Paths.h"

namespace torva {

std::string primaryBackupFolder(const std::string& configDirectory) {
    return joinPath(configDirectory, kBackupFolderName);
}

std::string backupConfigPath(const std::string& backupFolder, std::size_t index) {
    return joinPath(backupFolder, std::to_string(index));
}

std::string patenteOf(const std::string& text) {
    std::size_t start = text.size();
    for (int count = 0; start > 0 && count < 4; ++count) {
        --start;
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
            --start;
        }
    }
    return text.substr(start);
}

}  // namespace torva
