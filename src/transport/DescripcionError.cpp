#include "transport/DescripcionError.h"

#include <algorithm>
#include <iterator>

namespace torva {
namespace {

struct Row {
    std::int32_t code;
    const char* text;
};

// Codes without a row have no text of their own; 25712 and 25736 share one.
constexpr Row kRows[] = {
    {25701, "No fue posible inicializar el substema de Red."},
    {25703, "No se encontro la Libreria que envía información al Processo."},
    {25704, "La libreria enviada al Proceso es Invalida."},
    {25705, "La libreria enviada al Proceso es Invalida."},
    {25706,
     "Fallo la Asignación de Memoria, Reinicie su Computadora en intente nuevamente si el error "
     "continua comuniquese con su personal encargado del equipo de computo."},
    {25707, "Los parametros enviados al proceso son invalidos."},
    {25709, "El descriptor del Socket envíado a la función es invalido."},
    {25710,
     "No se puede acceptar la conexión de servidor, verifique comunicación en el boton de "
     "Conexión."},
    {25711,
     "No se puede establecer la conexión con el servidor (no se encontro el Servidor), verifique "
     "comunicación en el boton de Conexión."},
    {25712,
     "No se pudo determinar la dirección del Servidor, error en la comunicación, verifique "
     "comunicación en el boton de Conexión."},
    {25736,
     "No se pudo determinar la dirección del Servidor, error en la comunicación, verifique "
     "comunicación en el boton de Conexión."},
    {25713, "No se fue posible establecer la comunicación vía Socket"},
    {25714, "No se pudo escuchar las conecciones."},
    {25715,
     "La lectura de datos del servidor fallo, intente nuevamente. Detenga el Proceso (boton "
     "Detener) e Inicie nuevamente."},
    {25716,
     "La escritura de datos del servidor fallo, intente nuevamente. Detenga el Proceso (boton "
     "Detener) e Inicie nuevamente."},
    {25717, "La Operación fallo debe ser reintentada."},
    {25718, "Fin de datos corre en el Socket, transmisión completa. "},
    {25719,
     "Buffer interno tuvo un sobre flujo de memoria, cierre todos los programas reinicie la "
     "computadora en intente nuevamente, si el problema continua contacte a su proveedor de "
     "sistemas."},
    {25720, "El proceso ha sido bloqueado, intente nuevamente."},
    {25721, "El proceso ejecutado No ha sido bloqueado."},
    {25722, "La operación esta esperando respuesta del servidor, espere."},
    {25723,
     "No se pudo establecer sincronización con el servidor, reinicie suu sistema e intente "
     "nuevamente."},
    {25724,
     "El servidor Remoto ha cerrado la conexión, intente nuevamente. Detenga el Proceso (boton "
     "Detener) e Inicie nuevamente. Si este error persiste comuniquese a TORVA."},
    {25725,
     "El servidor Remoto no esta listo, espere unos minutos he intente nuevamente. Detenga el "
     "Proceso (boton Detener) e Inicie nuevamente."},
    {25726,
     "El servidor Remoto no esta disponible, verifique comunicación en el boton de Conexión."},
    {25727,
     "Existe un problema desconocido con el servidor, verifique comunicación en el boton de "
     "Conexión."},
    {25728, "No se pudo crear la conexión de datos."},
    {25729, "La conexión de datos ha sido establecida."},
    {25730, "La conexión de datos ha sido cerrada."},
    {25731, "La operación ha sido cancelada por el usuario."},
    {25732, "La conexión de datos es solo de lectura."},
    {25733, "La conexión de datos es solo de escritura."},
    {25734, "El tipo de archivo especificado es invalido. "},
    {25735, "La conexión de datos es pasiva."},
    {25737, "No fue posible crear un archivo local."},
    {25738, "No fue posible abrir el archivo local."},
    {25739, "No fue posible leer el archivo local."},
    {25740, "No fue posible escribir en el archivo local."},
    {25741,
     "No fue posible entrar al Servidor de TORVA, el usuario o contraseña no son validos, o el "
     "servicio ha sido cerrado, verifique la comunicación en el boton de Conexión. Si el error "
     "persiste comuniquese a TORVA."},
    {25742,
     "No fue posible abrir la conexión con el servidor, verifique comunicación en el boton de "
     "Conexión. Si el error persiste comuniquese a TORVA."},
    {25743, "El archivo remoto no esta disponible."},
    {25744,
     "No hay espacio Suficiente para almacenar datos en el servidor, es necesario hacer una "
     "depuración, si el error persiste comuniquese a TORVA."},
    {25745, "El comando especificado es invalido."},
    {25746, "Los argumentos del comando especificado son invalidos."},
    {25747, "El comando no esta habilitado en el servidor."},
    {25748, "Secuencia del Comando invalida."},
    {25749, "El usuario no ha ingresado al sistema."},
    {25750, "Se requiere una cuenta para el amacenamiento de archvios."},
    {25751, "No fue posible accesar al archivo del servidor."},
    {25752, "El archivo excede la cantidad de almacenaje disponible."},
    {25753, "El nombre del archivo especificado es invalido."},
    {25754, "El servidor respondio con un codigo de resultado inesperado."},
    {25755,
     "No fue posible reiniciar la transferncia del archivo en este servidor, , verifique "
     "comunicación en el boton de Conexión."},
    {25756, "Tipo de Servidor desconocido."},
    {25757, "El servidor no regreso la lista de archivos."},
    {25758, "No fue posible análizar la lista de archivos."},
    {25759, "Fin de la lista de archivos."},
    {25760, "La operación no puede ser ejecutada en este servidor."},
    {25761,
     "El tipo de servidor de Internet (Proxy) especificado es invalido, contecte a su Adminstrador "
     "de Red."},
    {25762,
     "No fue posible accesar al servidor de Interner (Proxy), verifique el usuario y passwd e "
     "intente nuevamente, si el error persiste contacte a su Administrador de Red."},
    {25763, "No concidio ningún archvios con las lista especificada (WildCard). "},
    {25764,
     "El directorio o ruta local que se especificó es invalido o no puede ser accesado, verifique "
     "que la ruta sea correcta, si esta en red asegurese de estar conectado, si el error persiste "
     "contecte a su personal de Informática. Ej. c:\\TORVA\\env"},
    {25791,
     "No fue posible inicializar la interfase segura para este proceso, reinicie su sistema e "
     "intente nuevamente, si el error persiste comuniquese a TORVA."},
    {25792,
     "No fue posible inicializar el contexto seguro para este proceso, reinicie su sistema e "
     "intente nuevamente, si el error persiste comuniquese a TORVA."},
    {25793, "No fue posible abrir el certificado o credenciales del cliente. "},
    {25794, "No fue posible validar el certificado del servidor (es inseguro). "},
    {25795,
     "La comunicación TLS or SSL a fallado, intente nuevamente si el error persiste comuniquese a "
     "TORVA."},
    {25796, "La conexión de datos no puede se abierta con la configuración actual."},
    {25797, "La negociación TLS es inaceptable, puede ser porque es requerida la seción TLS."},
};

}  // namespace

std::string DescripcionError(std::int32_t code) {
    const auto it = std::find_if(std::begin(kRows), std::end(kRows),
                                 [code](const Row& row) { return row.code == code; });
    if (it == std::end(kRows)) {
        return kSinDescripcion;
    }
    return it->text;
}

}  // namespace torva
