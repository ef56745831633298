#!/usr/bin/python3
"""FTP server for the exchange tests and the benchmark.

Serves a folder on port 21 of a loopback address (127.0.0.2, 127.0.0.3, ...:
the first one of --adresse and the --versuche addresses behind it that is
free), with one user, and can behave like a broken or hostile server:

  normal        a plain server
  luegen        LIST sends the raw lines of the file --liste instead of the
                folder's listing
  stumm         accepts new connections and never says a word on them
  datenstocken  RETR opens the transfer and then sends nothing
  einerstockt   as datenstocken for the file PRICAT_STOCKT.INH, the others
                are served normally
  datenabbruch  RETR sends half of the file, drops the data connection and
                answers 426
  datenluege    RETR sends half of the file and answers 226 all the same
  datenflut     RETR sends the file over and over, 40 MB in all
  sendeverbot   STOR is refused (553)

Start-up is reported in the file --bereit (written whole, in one step):
  "OK <address> <control port>"  running
  "GESPERRT <reason>"            port 21 cannot be bound on loopback at all
  "FEHLER <reason>"              anything else went wrong

The caller then connects to the control port and keeps that connection;
the server ends when it closes (so it never outlives its test). Commands on
the control connection, one line each, answered with lines ending in ".":
  ART <art>   switch the behaviour
  LOG         the commands the server received so far (PASS masked)
"""
import argparse
import errno
import ipaddress
import logging
import os
import socket
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

ZUSTAND = {"art": "normal", "liste": b"", "protokoll": []}
SPERRE = threading.Lock()
LEBENSDAUER = 900


def melden(pfad, text):
    tmp = pfad + ".tmp"
    with open(tmp, "w") as f:
        f.write(text + "\n")
    os.replace(tmp, pfad)


def art():
    with SPERRE:
        return ZUSTAND["art"]


class HalbeDaten:
    """Producer that gives half of `daten`, then either ends (the transfer
    looks complete) or fails (the server aborts with 426)."""

    def __init__(self, daten, scheitern):
        self.teile = [daten[: len(daten) // 2]]
        self.scheitern = scheitern

    def more(self):
        if self.teile:
            return self.teile.pop()
        if self.scheitern:
            raise IOError("Verbindung abgebrochen")
        return b""


class Flut:
    """Producer that sends `daten` over and over, 40 MB in all: far more
    than the listing promised."""

    def __init__(self, daten):
        self.teil = (daten or b"x") * max(1, 65536 // max(1, len(daten)))
        self.rest = 40 << 20

    def more(self):
        if self.rest <= 0:
            return b""
        self.rest -= len(self.teil)
        return self.teil


class Handler(FTPHandler):
    stumm = False

    def handle(self):
        self.stumm = art() == "stumm"
        if self.stumm:
            self.on_connect()
            return
        super().handle()

    def pre_process_command(self, line, cmd, arg):
        eintrag = cmd if cmd == "PASS" else line
        with SPERRE:
            ZUSTAND["protokoll"].append(eintrag)
        if self.stumm:
            return None
        return super().pre_process_command(line, cmd, arg)

    def ftp_LIST(self, path):
        if art() != "luegen":
            return super().ftp_LIST(path)
        with SPERRE:
            daten = ZUSTAND["liste"]
        self.push_dtp_data(daten, isproducer=False, cmd="LIST")
        return path

    def ftp_RETR(self, file):
        a = art()
        if a == "datenstocken" or (a == "einerstockt" and os.path.basename(file).upper().startswith("PRICAT_STOCKT.INH")):
            self.respond("150 File status okay. About to open data connection.")
            return file
        if a in ("datenabbruch", "datenluege", "datenflut"):
            try:
                with open(file, "rb") as f:
                    daten = f.read()
            except OSError as err:
                self.respond("550 %s." % err.strerror)
                return None
            erzeuger = Flut(daten) if a == "datenflut" else HalbeDaten(daten, a == "datenabbruch")
            self.push_dtp_data(erzeuger, isproducer=True, cmd="RETR")
            return file
        return super().ftp_RETR(file)

    def ftp_STOR(self, file, mode="w"):
        if art() == "sendeverbot":
            self.respond("553 Requested action not taken.")
            return None
        return super().ftp_STOR(file, mode)

    def log_exception(self, instance):
        pass


def port21_binden(start, versuche):
    """Binds port 21 on the first free address from `start` on."""
    letzter = None
    for i in range(versuche):
        adresse = str(ipaddress.IPv4Address(start) + i)
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        try:
            s.bind((adresse, 21))
            s.listen(16)
            return s, adresse, None
        except OSError as err:
            s.close()
            letzter = err
            if err.errno in (errno.EACCES, errno.EPERM):
                return None, None, "GESPERRT port 21: %s" % err.strerror
    return None, None, "GESPERRT port 21 on %d addresses from %s: %s" % (
        versuche, start, letzter.strerror if letzter else "?")


def steuerung(steuer_sock):
    """Serves the one control connection; its end ends the server."""
    steuer_sock.settimeout(60)
    try:
        verbindung, _ = steuer_sock.accept()
    except OSError:
        os._exit(0)
    verbindung.settimeout(None)
    datei = verbindung.makefile("rwb", buffering=0)
    for zeile in datei:
        befehl = zeile.decode("latin-1").strip()
        antwort = []
        if befehl.startswith("ART "):
            with SPERRE:
                ZUSTAND["art"] = befehl[4:].strip()
        elif befehl == "LOG":
            with SPERRE:
                antwort = list(ZUSTAND["protokoll"])
        antwort.append(".")
        datei.write(("\n".join(antwort) + "\n").encode("latin-1", "replace"))
    os._exit(0)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--adresse", default="127.0.0.2")
    p.add_argument("--versuche", type=int, default=64)
    p.add_argument("--wurzel", required=True)
    p.add_argument("--benutzer", default="edi")
    p.add_argument("--passwort", default="geheim")
    p.add_argument("--bereit", required=True)
    p.add_argument("--art", default="normal")
    p.add_argument("--liste")
    a = p.parse_args()

    logging.basicConfig(level=logging.CRITICAL)
    ZUSTAND["art"] = a.art
    try:
        if a.liste:
            with open(a.liste, "rb") as f:
                ZUSTAND["liste"] = f.read()
        sock, adresse, fehler = port21_binden(a.adresse, a.versuche)
        if sock is None:
            melden(a.bereit, fehler)
            return 0
        steuer_sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        steuer_sock.bind((adresse, 0))
        steuer_sock.listen(1)
        threading.Thread(target=steuerung, args=(steuer_sock,), daemon=True).start()
        threading.Thread(target=lambda: (time.sleep(LEBENSDAUER), os._exit(0)), daemon=True).start()

        autorisierung = DummyAuthorizer()
        autorisierung.add_user(a.benutzer, a.passwort, a.wurzel, perm="elradfmwMT")
        Handler.authorizer = autorisierung
        Handler.banner = "EDI exchange test server ready."
        Handler.auth_failed_timeout = 0.1
        server = FTPServer(sock, Handler)
        melden(a.bereit, "OK %s %d" % (adresse, steuer_sock.getsockname()[1]))
        server.serve_forever(timeout=0.5, blocking=True, handle_exit=False)
    except Exception as err:  # reported to the test instead of a silent end
        melden(a.bereit, "FEHLER %s: %s" % (type(err).__name__, err))
    return 0


if __name__ == "__main__":
    sys.exit(main())
