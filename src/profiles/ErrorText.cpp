#include "profiles/ErrorText.h"

#include "platform/SystemErrorText.h"

namespace torva {
namespace {

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
    if (ec.category() == std::system_category()) {
        if (const char* text = systemErrorText(ec.value())) {
            return text;
        }
    }
    const std::error_condition condition = ec.default_error_condition();
    if (condition.category() == std::generic_category()) {
        if (const char* text = genericText(static_cast<std::errc>(condition.value()))) {
            return text;
        }
    }
    return "error del sistema número " + std::to_string(ec.value());
}

}  // namespace torva
