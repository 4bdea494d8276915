#!/usr/bin/env python3
"""A local FTP server for tests and demos, on 127.0.0.1 only.

Serves --root to one user (full rights), passive and active. It listens on a
free port (or --port) and prints "PORT <n>" once it accepts connections (also
into --port-file). It stops when the file given by --stop-file appears, and
removes that file once its port is closed (a caller that cannot wait for the
process, as a Windows test under Wine, waits for the file to go), or after
--lifetime seconds.

Modes for failure tests:
  normal   a well-behaved server
  silent   accepts TCP connections and never says a word
  cut      sends only the first --cut-bytes bytes of each download, then
           drops the data connection (the server reports 426); takes
           --cut-bytes bytes of each upload, keeps them and answers 426
  stall    sends only the first --cut-bytes bytes of each download, then
           keeps the data connection open without sending more
  mute     logs in, answers the first PWD, then never answers again
  trickle  sends downloads one byte at a time, --rate bytes a second
  die      the whole server exits once --cut-bytes bytes of a transfer
           (either way) have passed
  close421 logs in, answers the first PWD, then answers any command with
           421 and closes the connection

In every mode, --refuse NAME answers RETR of that file name with 550,
--refuse-store NAME answers STOR of that name likewise, --refuse-code CODE
puts another code (553) in place of 550 for both, --refuse-stor NAME[:CODE]
answers STOR of that file name with its own CODE (550 or 553, 550 when left
out), --extra-names FILE appends the raw bytes of FILE to every name listing,
and --command-delay MS answers every command MS milliseconds late.
"""
import argparse
import os
import socket
import sys
import threading
import time

HOST = "127.0.0.1"


def wait_for_stop(args, stop_event):
    deadline = time.monotonic() + args.lifetime
    while time.monotonic() < deadline and not stop_event.is_set():
        if args.stop_file and os.path.exists(args.stop_file):
            break
        time.sleep(0.05)
    stop_event.set()


def ended(args):
    """Says that the port is closed: the stop file goes."""
    if args.stop_file:
        try:
            os.remove(args.stop_file)
        except OSError:
            pass


def announce(port, port_file=""):
    """Says the port on standard output, and in port_file when one is named
    (for a caller that cannot read the output, as a Windows test under Wine)."""
    if port_file:
        with open(port_file + ".tmp", "w") as f:
            f.write("PORT %d\n" % port)
        os.replace(port_file + ".tmp", port_file)
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()
    # Nobody reads further: let the caller's pipe go.
    try:
        sys.stdout.close()
    except OSError:
        pass


def run_silent(args):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((HOST, args.port))
    listener.listen(16)
    listener.settimeout(0.1)
    announce(listener.getsockname()[1], args.port_file)
    stop = threading.Event()
    threading.Thread(target=wait_for_stop, args=(args, stop), daemon=True).start()
    held = []
    while not stop.is_set():
        try:
            conn, _ = listener.accept()
            held.append(conn)
        except socket.timeout:
            pass
    for conn in held:
        conn.close()
    listener.close()
    ended(args)


def run_ftp(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import DTPHandler, FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    extra_names = b""
    if args.extra_names:
        with open(args.extra_names, "rb") as f:
            extra_names = f.read()

    refuse_stor = {}
    for item in args.refuse_stor:
        name, _, code = item.partition(":")
        refuse_stor[name] = code or "550"
    stor_replies = {"550": "550 Permission denied.", "553": "553 File name not allowed."}
    delay = args.command_delay / 1000.0

    class Handler(FTPHandler):
        answered_pwd = False

        def pre_process_command(self, line, cmd, arg):
            if delay > 0:
                # Commands keep their order: each waits the same time.
                def late():
                    if not self._closed:
                        try:
                            self.answer_command(line, cmd, arg)
                        except Exception:
                            self.handle_error()

                self.ioloop.call_later(delay, late)
                return
            self.answer_command(line, cmd, arg)

        def on_login(self, username):
            if args.login_log:
                with open(args.login_log, "a") as log:
                    log.write(username + "\n")

        def answer_command(self, line, cmd, arg):
            if self.answered_pwd and args.mode == "mute":
                return
            if self.answered_pwd and args.mode == "close421":
                self.respond("421 Service not available, closing control connection.")
                self.close_when_done()
                return
            if (cmd == "RETR" and os.path.basename(arg) in args.refuse) or (
                    cmd == "STOR" and os.path.basename(arg) in args.refuse_store):
                self.respond("%d Permission denied." % args.refuse_code)
                return
            if cmd in ("STOR", "APPE", "STOU") and os.path.basename(arg) in refuse_stor:
                self.respond(stor_replies.get(refuse_stor[os.path.basename(arg)],
                                              "550 Permission denied."))
                return
            FTPHandler.pre_process_command(self, line, cmd, arg)
            if cmd == "PWD" and self.authenticated:
                self.answered_pwd = True

        def push_dtp_data(self, data, isproducer=False, file=None, cmd=None):
            if cmd == "NLST" and extra_names:
                data = data + extra_names
            FTPHandler.push_dtp_data(self, data, isproducer, file, cmd)

    if args.refuse_listings:
        def refuse(self, line):
            self.respond("502 Command not implemented.")

        Handler.ftp_NLST = refuse
        Handler.ftp_LIST = refuse
        Handler.ftp_MLSD = refuse

    Handler.authorizer = authorizer
    Handler.banner = "TORVA test server ready."
    Handler.permit_foreign_addresses = False
    # Refused logins are answered after this delay.
    Handler.auth_failed_timeout = args.auth_delay
    # An idle session is closed with 421 after this many seconds.
    Handler.timeout = args.idle_timeout

    if args.mode in ("cut", "stall"):
        limit = args.cut_bytes
        stall = args.mode == "stall"

        class CuttingDTP(DTPHandler):
            def send(self, data):
                sent = self.get_transmitted_bytes()
                if not self.receive and sent + len(data) > limit:
                    part = max(0, limit - sent)
                    n = DTPHandler.send(self, data[:part]) if part else 0
                    if stall:
                        # Out of the loop: the socket stays open and silent.
                        self.del_channel()
                    else:
                        # Data still waits in the producer: the server answers 426.
                        self.handle_close()
                    return n
                return DTPHandler.send(self, data)

            def handle_read(self):
                DTPHandler.handle_read(self)
                if not self._closed and self.tot_bytes_received > limit:
                    # An upload refused midway: the part received stays.
                    self._resp = ("426 Transfer aborted.", lambda *a: None)
                    self.close()

            handle_read_event = handle_read

        Handler.dtp_handler = CuttingDTP
        Handler.use_sendfile = False
    elif args.mode == "trickle":
        class TricklingDTP(DTPHandler):
            def send(self, data):
                time.sleep(1.0 / args.rate)
                return DTPHandler.send(self, data[:1])

        Handler.dtp_handler = TricklingDTP
        Handler.use_sendfile = False
    elif args.mode == "die":
        limit = args.cut_bytes

        class DyingDTP(DTPHandler):
            def send(self, data):
                if self.get_transmitted_bytes() + len(data) > limit:
                    os._exit(0)
                return DTPHandler.send(self, data)

            def handle_read(self):
                DTPHandler.handle_read(self)
                if self.tot_bytes_received > limit:
                    self.file_obj.flush()
                    os._exit(0)

            handle_read_event = handle_read

        Handler.dtp_handler = DyingDTP
        Handler.use_sendfile = False

    server = FTPServer((HOST, args.port), Handler)
    announce(server.socket.getsockname()[1], args.port_file)
    stop = threading.Event()

    def stop_when_asked():
        wait_for_stop(args, stop)
        # Like a server that goes away: every connection drops at once,
        # before the stop file says so.
        server.socket.close()
        for channel in list(server.ioloop.socket_map.values()):
            try:
                channel.socket.shutdown(socket.SHUT_RDWR)
            except (OSError, AttributeError):
                pass
        ended(args)
        os._exit(0)

    threading.Thread(target=stop_when_asked, daemon=True).start()
    # The loop wakes for delayed answers no later than they are due.
    server.serve_forever(timeout=0.005 if delay > 0 else 1.0, handle_exit=False)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", default=".")
    parser.add_argument("--user", default="user")
    parser.add_argument("--password", default="password")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--mode", choices=["normal", "silent", "cut", "stall", "mute", "trickle", "die", "close421"], default="normal")
    parser.add_argument("--cut-bytes", type=int, default=4096)
    parser.add_argument("--rate", type=float, default=10.0)
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--refuse-store", action="append", default=[])
    parser.add_argument("--refuse-code", type=int, default=550)
    parser.add_argument("--refuse-stor", action="append", default=[],
                        help="NAME[:CODE]: answer STOR of NAME with 550 or 553")
    parser.add_argument("--command-delay", type=float, default=0.0,
                        help="answer every command this many milliseconds late")
    parser.add_argument("--extra-names", default="")
    parser.add_argument("--auth-delay", type=float, default=0.5)
    parser.add_argument("--idle-timeout", type=float, default=300.0)
    parser.add_argument("--refuse-listings", action="store_true",
                        help="answer NLST, LIST and MLSD with 502, as some servers do")
    parser.add_argument("--login-log", default="", help="file that gets a line per login")
    parser.add_argument("--stop-file", default="")
    parser.add_argument("--port-file", default="", help="file that gets the PORT line too")
    parser.add_argument("--lifetime", type=float, default=900.0)
    args = parser.parse_args()
    import logging
    logging.basicConfig(level=logging.WARNING)
    if args.mode == "silent":
        run_silent(args)
    else:
        run_ftp(args)


if __name__ == "__main__":
    main()
