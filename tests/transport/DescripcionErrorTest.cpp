#include <gtest/gtest.h>

#include <set>

#include "transport/DescripcionError.h"

namespace torva {
namespace {

TEST(DescripcionError, TextsAreTheSystemsOwnToTheLastBlank) {
    struct Case {
        std::int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {25701, "No fue posible inicializar el substema de Red."},
        {25711,
         "No se puede establecer la conexión con el servidor (no se encontro el Servidor), "
         "verifique comunicación en el boton de Conexión."},
        {25712,
         "No se pudo determinar la dirección del Servidor, error en la comunicación, verifique "
         "comunicación en el boton de Conexión."},
        {25718, "Fin de datos corre en el Socket, transmisión completa. "},
        {25723,
         "No se pudo establecer sincronización con el servidor, reinicie suu sistema e intente "
         "nuevamente."},
        {25724,
         "El servidor Remoto ha cerrado la conexión, intente nuevamente. Detenga el Proceso "
         "(boton Detener) e Inicie nuevamente. Si este error persiste comuniquese a TORVA."},
        {25741,
         "No fue posible entrar al Servidor de TORVA, el usuario o contraseña no son validos, o "
         "el servicio ha sido cerrado, verifique la comunicación en el boton de Conexión. Si el "
         "error persiste comuniquese a TORVA."},
        {25743, "El archivo remoto no esta disponible."},
        {25755,
         "No fue posible reiniciar la transferncia del archivo en este servidor, , verifique "
         "comunicación en el boton de Conexión."},
        {25763, "No concidio ningún archvios con las lista especificada (WildCard). "},
        {25764,
         "El directorio o ruta local que se especificó es invalido o no puede ser accesado, "
         "verifique que la ruta sea correcta, si esta en red asegurese de estar conectado, si el "
         "error persiste contecte a su personal de Informática. Ej. c:\\TORVA\\env"},
        {25797, "La negociación TLS es inaceptable, puede ser porque es requerida la seción TLS."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DescripcionError(c.code), c.text) << c.code;
    }
}

TEST(DescripcionError, SharedTextsAndCodesWithoutText) {
    EXPECT_EQ(DescripcionError(25704), DescripcionError(25705));
    EXPECT_EQ(DescripcionError(25712), DescripcionError(25736));
    EXPECT_NE(DescripcionError(25711), DescripcionError(25712));

    // Every code of the range has a text, except these.
    std::set<std::int32_t> without = {25702, 25708};
    for (std::int32_t code = 25765; code <= 25790; ++code) {
        without.insert(code);
    }
    for (std::int32_t code = 25701; code <= 25797; ++code) {
        if (without.count(code)) {
            EXPECT_EQ(DescripcionError(code), "Error sin descripción") << code;
        } else {
            EXPECT_NE(DescripcionError(code), "Error sin descripción") << code;
            EXPECT_FALSE(DescripcionError(code).empty()) << code;
        }
    }
    for (std::int32_t code : {0, -1, 1, 25700, 25798, 65535}) {
        EXPECT_EQ(DescripcionError(code), "Error sin descripción") << code;
    }
}

}  // namespace
}  // namespace torva
