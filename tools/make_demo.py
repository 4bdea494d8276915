#!/usr/bin/env python3
"""Lays out a demo installation: profile list, one configuration, local folders
and a few validation files of today in the send folder.

The configuration points at folders inside the installation and at 127.0.0.1,
so the demo never reaches another host. An existing configuration is kept, so
what the operator saved in the demo survives the next start. The sample files
are written anew at every run (so they are sent again): three good ones, one of
another day and one whose folio lies outside the configured range.
"""
import argparse
import datetime
import os
import stat

PATENTE = "1234"


def encode_secret(value: str) -> str:
    return "".join("|%d" % (b * 20 + 6) for b in reversed(value.encode("cp1252")))


def write_lines(path: str, lines) -> None:
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    if os.path.exists(path):
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR | stat.S_IRGRP | stat.S_IROTH)
    os.replace(tmp, path)


def sample_lines(name: str, folio: str, day: str):
    return [
        "500|1|%s|%s|%s|3|" % (PATENTE, folio, day),
        "501|1|%s|%s|ABC010101AB1|" % (PATENTE, folio),
        "505|1|FACTURA-%s|USD|1250.00|" % folio,
        "801|%s|1|1|0|" % name,
    ]


def write_samples(env: str, day: int):
    """Validation files named for the julian day; returns their names."""
    other_day = day - 1 if day > 1 else day + 1
    samples = [
        ("m", "001", day),        # good: answered by m1234001.err
        ("b", "002", day),        # good: answered by r1234002.DDD
        ("e", "003", day),        # good: answered by a1234003.DDD
        ("m", "004", other_day),  # refused: JULIANO MAL
        ("m", "750", day),        # refused: FOLIOS MAL (range 001 to 500)
    ]
    names = []
    for letter, folio, d in samples:
        name = "%s%s%s.%03d" % (letter, PATENTE, folio, d)
        write_lines(os.path.join(env, name), sample_lines(name, folio, "%03d" % d))
        names.append(name)
    return names


def wine_path(path: str) -> str:
    """The host's file system is drive Z: under Wine."""
    return "Z:" + path.replace("/", "\\")


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("root", nargs="?", default="demo")
    parser.add_argument("--port", type=int, default=2121, help="the simulator's port")
    parser.add_argument("--day", type=int, default=0,
                        help="julian day the samples are named for (default: today)")
    parser.add_argument("--wine", action="store_true",
                        help="write the folders as the Windows program sees them under Wine")
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    env = os.path.join(root, "env")
    rec = os.path.join(root, "rec")
    for d in (root, env, rec):
        os.makedirs(d, exist_ok=True)

    profiles = os.path.join(root, "usuarios.dat")
    if not os.path.exists(profiles):
        write_lines(profiles, [PATENTE])
        os.chmod(profiles, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)

    day = args.day or datetime.date.today().timetuple().tm_yday
    for name in write_samples(env, day):
        print("demo: sample validation file env/%s" % name)

    config = os.path.join(root, "odbc0.reg")
    if os.path.exists(config):
        return
    key = os.path.join(root, "firma", "demo.key")
    cer = os.path.join(root, "firma", "demo.cer")
    if args.wine:
        env, rec, key, cer = (wine_path(p) for p in (env, rec, key, cer))
    slots = [
        "127.0.0.1",        # 0 active server
        "demo" + PATENTE,   # 1 user; the patente is its last 4 characters
        encode_secret("demo"),  # 2 password
        env,                # 3 send directory
        rec,                # 4 receive directory
        "001",              # 5 lower folio
        "500",              # 6 upper folio
        str(args.port),     # 7 port
        "127.0.0.1",        # 8 primary server
        "127.0.0.1",        # 9 secondary server
        "m,b,c,s,t,e,f,e",  # 10 send letters
        "m,r,c,x,t,r,a,a",  # 11 receive letters
        "1",                # 12 passive
        key,                # 13 key file
        cer,                # 14 certificate file
        encode_secret("demo"),  # 15 key pass phrase
        "0",                # 16 sign
        "24",               # 17 record-500 length
        "1",                # 18 automatic send
        "0",                # 19 additional routes
        "",                 # 20 send routes
        "",                 # 21 receive routes
        "0",                # 22 purge
    ]
    write_lines(config, slots + ["demo", "127.0.0.1", "Versión 6.2.7"])


if __name__ == "__main__":
    main()
