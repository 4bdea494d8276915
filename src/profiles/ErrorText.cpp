#include "profiles/ErrorText.h"

namespace torva {
namespace {

#ifdef _WIN32
// Windows codes that the generic conditions do not cover.
const char* windowsText(int code) {
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
#endif

const char* genericText(std::errc e) {
    switch (e) {
        case std::errc::permission_denied:
        case std::errc::operation_not_permitted:
            return "permiso denegado (el archivo es de solo lectura o no tiene permiso)";
        case std::errc::no_such_file_or_directory:
            return "no existe el archivo o el directorio";
        case std::errc::is_a_directory:
            return "el nombre corresponde a un directorio";
        case std::errc::not_a_directory:
            return "una parte de la ruta no es un directorio";
        case std::errc::file_exists:
            return "el archivo ya existe";
        case std::errc::directory_not_empty:
            return "el directorio no está vacío";
        case std::errc::no_space_on_device:
            return "no hay espacio en el disco";
        case std::errc::read_only_file_system:
            return "el disco es de solo lectura";
        case std::errc::device_or_resource_busy:
        case std::errc::text_file_busy:
            return "el archivo está en uso por otro programa";
        case std::errc::filename_too_long:
            return "el nombre del archivo es demasiado largo";
        case std::errc::too_many_files_open:
        case std::errc::too_many_files_open_in_system:
            return "hay demasiados archivos abiertos";
        case std::errc::io_error:
            return "error de lectura o escritura en el disco";
        case std::errc::invalid_argument:
            return "el nombre del archivo no es válido";
        default:
            return nullptr;
    }
}

}  // namespace

std::string errorText(const std::error_code& ec) {
    if (!ec) {
        return "sin error";
    }
#ifdef _WIN32
    if (ec.category() == std::system_category()) {
        if (const char* text = windowsText(ec.value())) {
            return text;
        }
    }
#endif
    const std::error_condition condition = ec.default_error_condition();
    if (condition.category() == std::generic_category()) {
        if (const char* text = genericText(static_cast<std::errc>(condition.value()))) {
            return text;
        }
    }
    return "error del sistema número " + std::to_string(ec.value());
}

}  // namespace torva
