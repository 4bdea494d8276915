#!/usr/bin/env python3
"""A local stand-in for the TORVA prevalidation service, on 127.0.0.1 only.

Serves REC/, ENV/ and ENV/general/ under --root to one user over FTP
(pyftpdlib). For each validation file uploaded to REC/ it publishes, --delay
seconds later, the response in ENV/ under the name the client looks for with
the given letter lists (m answers ENV/m....err, b answers ENV/r..., an e-name
with "." at its 9th character answers ENV/a..., ...). A configuration upload
(REC/<user>odbc<n>.reg) and names it cannot answer get no response. It keeps
sample general notices in ENV/general and, on request, "server.dat" there and
"folios.aut" in ENV/.

It prints "PORT <n>" on standard output once it accepts connections (then
closes standard output) and what it receives and answers on standard error.
It stops on SIGINT or SIGTERM, when the file given by --stop-file appears (and
removes that file once its port is closed), or after --lifetime seconds (0: no
limit). Its arguments extend those of tools/ftp_server.py, so the tests' server
fixture can start it.
"""
import argparse
import os
import shutil
import signal
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ftp_server import HOST, announce, ended, wait_for_stop  # noqa: E402

SEND_LETTERS = "m,b,c,s,t,e,f,e"
RECEIVE_LETTERS = "m,r,c,x,t,r,a,a"

GENERAL_NOTICES = [
    "**Mantenimiento programado del servidor el domingo de 02:00 a 04:00 horas.",
    "Bienvenido al servicio de prevalidación TORVA (simulador local).",
    "Recuerde revisar las respuestas de sus archivos en la pestaña Status.",
    "Horario de atención telefónica: lunes a viernes de 8:00 a 20:00 horas.",
]
PARTICULAR_NOTICE = "Su patente está al corriente en sus pagos de prevalidación."


def say(text):
    sys.stderr.write("[torva_sim %s] %s\n" % (time.strftime("%H:%M:%S"), text))
    sys.stderr.flush()


def name_layout(name):
    """Name length L and letter offset A for a name, with the 9th-character fix."""
    first = name[:1]
    if first in ("e", "E"):
        offset = 0 if name[8:9] == "." else 1
        return 12, offset
    if first in ("s", "S", "x", "X", "f", "F", "a", "A"):
        return 15, -3
    return 12, 0


def response_name(name, send_letters=SEND_LETTERS, receive_letters=RECEIVE_LETTERS):
    """The name under ENV/ of the response to an uploaded file, or None."""
    if not name:
        return None
    length, offset = name_layout(name)
    if len(name) != length:
        return None
    first = name[0]
    found = None
    for i, letter in enumerate(send_letters):
        if letter == "," or first not in (letter, letter.upper()):
            continue
        if first in ("e", "E") and name[8:9] == ".":
            found = "a" + name[1:length]
            continue
        if i >= len(receive_letters):
            return found
        answer = receive_letters[i]
        if answer == letter:
            return answer + name[: length + offset - 4][-(length - 5):] + ".err"
        return answer + name[1:length]
    return found


def is_configuration_upload(name, user):
    stem, ext = os.path.splitext(name)
    prefix = user + "odbc"
    return ext.lower() == ".reg" and stem.startswith(prefix) and stem[len(prefix):].isdigit()


def write_text(path, lines):
    """Writes CR LF lines in Windows-1252 through a temporary file renamed into place."""
    folder, base = os.path.split(path)
    fd, tmp = tempfile.mkstemp(prefix="." + base + ".", dir=folder)
    try:
        with os.fdopen(fd, "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        if os.path.exists(tmp):
            os.remove(tmp)
        raise


def response_lines(uploaded, response):
    try:
        with open(uploaded, "rb") as f:
            records = sum(1 for line in f.read().splitlines() if line.strip())
    except OSError:
        records = 0
    name = os.path.basename(uploaded)
    return [
        "TORVA Centro de Prevalidación - respuesta simulada",
        "Archivo recibido: %s" % name,
        "Respuesta: %s" % response,
        "Fecha de recepción: %s" % time.strftime("%d/%m/%Y %H:%M:%S"),
        "Registros leídos: %d" % records,
        "Resultado: archivo prevalidado sin errores.",
    ]


class Service:
    """The service's side of the folders: notices, responses, authorizations."""

    def __init__(self, args):
        self.args = args
        self.root = os.path.realpath(args.root)
        self.rec = os.path.join(self.root, "REC")
        self.env = os.path.join(self.root, "ENV")
        self.general = os.path.join(self.env, "general")

    def prepare(self):
        for d in (self.rec, self.env, self.general):
            os.makedirs(d, exist_ok=True)
        write_text(os.path.join(self.general, "aviso.gen"), GENERAL_NOTICES)
        write_text(os.path.join(self.general, "aviso.txt"), [PARTICULAR_NOTICE])
        server_dat = os.path.join(self.general, "server.dat")
        if self.args.server_dat is not None:
            write_text(server_dat, [self.args.server_dat])
            say("publishing ENV/general/server.dat: %s" % self.args.server_dat)
        elif os.path.exists(server_dat):
            os.remove(server_dat)
        folios = os.path.join(self.env, "folios.aut")
        if self.args.folios_aut:
            write_text(folios, ["Cambio de folios autorizado."])
            say("publishing ENV/folios.aut")
        elif os.path.exists(folios):
            os.remove(folios)

    def received(self, path, ioloop):
        """Called for each complete upload."""
        folder, name = os.path.split(os.path.realpath(path))
        where = os.path.relpath(path, self.root).replace(os.sep, "/")
        say("received %s (%d bytes)" % (where, os.path.getsize(path)))
        if folder != self.rec:
            return
        if is_configuration_upload(name, self.args.user):
            say("  configuration of the profile: no response")
            return
        answer = response_name(name, self.args.send_letters, self.args.receive_letters)
        if answer is None:
            say("  not a validation file of the configured letters: no response")
            return
        say("  response ENV/%s in %g s" % (answer, self.args.delay))
        ioloop.call_later(self.args.delay, self.publish, path, answer)

    def publish(self, uploaded, answer):
        try:
            write_text(os.path.join(self.env, answer), response_lines(uploaded, answer))
            say("published ENV/%s" % answer)
        except OSError as err:
            say("cannot publish ENV/%s: %s" % (answer, err))


def run(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    service = Service(args)
    service.prepare()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, service.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            self._sim_command = (cmd.upper(), arg)
            return FTPHandler.pre_process_command(self, line, cmd, arg)

        def respond(self, resp, *rest, **kw):
            cmd, arg = getattr(self, "_sim_command", ("", ""))
            if cmd in ("SIZE", "RETR", "STOR") and resp[:1] in ("4", "5"):
                say("%s %s -> %s" % (cmd, arg, resp))
            return FTPHandler.respond(self, resp, *rest, **kw)

        def on_login(self, username):
            say("login %s" % username)

        def on_login_failed(self, username, password):
            say("login refused for %r" % username)

        def on_file_received(self, file):
            service.received(file, self.ioloop)

        def on_incomplete_file_received(self, file):
            say("incomplete upload dropped: %s" % os.path.basename(file))
            try:
                os.remove(file)
            except OSError:
                pass

        def on_file_sent(self, file):
            say("sent %s" % os.path.relpath(file, service.root).replace(os.sep, "/"))

    Handler.authorizer = authorizer
    Handler.banner = "TORVA Centro de Prevalidación (simulador) listo."
    Handler.permit_foreign_addresses = False
    Handler.auth_failed_timeout = args.auth_delay
    Handler.timeout = args.idle_timeout

    server = FTPServer((HOST, args.port), Handler)
    port = server.socket.getsockname()[1]
    say("serving %s as %s on %s:%d" % (service.root, args.user, HOST, port))
    announce(port, args.port_file)

    stop = threading.Event()

    def stop_when_asked():
        wait_for_stop(args, stop)
        server.socket.close()
        ended(args)
        os.kill(os.getpid(), signal.SIGTERM)

    threading.Thread(target=stop_when_asked, daemon=True).start()
    server.serve_forever(timeout=0.2, handle_exit=False)


def main():
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", default="", help="served folder (default: a temporary one)")
    parser.add_argument("--user", default="demo1234")
    parser.add_argument("--password", default="demo")
    parser.add_argument("--port", type=int, default=2121, help="0: any free port")
    parser.add_argument("--mode", choices=["normal"], default="normal")
    parser.add_argument("--delay", type=float, default=3.0,
                        help="seconds between an upload and its response")
    parser.add_argument("--send-letters", default=SEND_LETTERS)
    parser.add_argument("--receive-letters", default=RECEIVE_LETTERS)
    parser.add_argument("--server-dat", choices=["0", "1", "2"], default=None,
                        help="publish ENV/general/server.dat with this server choice")
    parser.add_argument("--folios-aut", action="store_true",
                        help="publish ENV/folios.aut (folio change authorized)")
    parser.add_argument("--auth-delay", type=float, default=0.5)
    parser.add_argument("--idle-timeout", type=float, default=300.0)
    parser.add_argument("--stop-file", default="")
    parser.add_argument("--port-file", default="", help="file that gets the PORT line too")
    parser.add_argument("--lifetime", type=float, default=0.0, help="seconds; 0: no limit")
    args = parser.parse_args()
    if args.lifetime <= 0:
        args.lifetime = float("inf")

    import logging
    logging.basicConfig(level=logging.WARNING)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))

    temporary = None
    if not args.root:
        temporary = tempfile.mkdtemp(prefix="torva-sim-")
        args.root = temporary
    try:
        run(args)
    except (KeyboardInterrupt, SystemExit):
        pass
    finally:
        if temporary:
            shutil.rmtree(temporary, ignore_errors=True)


if __name__ == "__main__":
    main()
