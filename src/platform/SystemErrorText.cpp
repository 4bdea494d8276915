#include "platform/SystemErrorText.h"

namespace torva {

#ifdef _WIN32
const char* systemErrorText(int code) {
    switch (code) {
        case 5:  // ERROR_ACCESS_DENIED
            return "acceso denegado (el archivo es de solo lectura o no tiene permiso)";
        case 32:  // ERROR_SHARING_VIOLATION
        case 33:  // ERROR_LOCK_VIOLATION
            return "el archivo está en uso por otro programa";
        case 2:  // ERROR_FILE_NOT_FOUND
            return "no existe el archivo";
        case 3:  // ERROR_PATH_NOT_FOUND
            return "no existe la ruta";
        case 112:  // ERROR_DISK_FULL
            return "no hay espacio en el disco";
        default:
            return nullptr;
    }
}
#else
// POSIX's codes are errno values, which the portable conditions cover.
const char* systemErrorText(int /*code*/) {
    return nullptr;
}
#endif

}  // namespace torva
