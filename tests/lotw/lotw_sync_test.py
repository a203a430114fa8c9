#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""--lotw-sync of the real binary against a local HTTPS server with a test
certificate made here: what reaches the server, what is saved, and that every
failure leaves the station data file, the error list and the sync date as
they were. Nothing leaves 127.0.0.1."""

import http.server
import os
import shutil
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import urllib.parse
from pathlib import Path

BINARY, SOURCE_DIR = sys.argv[1], Path(sys.argv[2])
PASSWORD = "tajne+hasło &x=1"  # what a query must encode: "+", "&", "=", a blank, UTF-8
HANG_GUARD = 120  # seconds; a run that takes this long has hung

WORK = Path(tempfile.mkdtemp())
PROGRAM = WORK / "bin"
STATION = WORK / "stacja.csv"
ERROR_LIST = PROGRAM / "bledy_dxcc.txt"
STATE = WORK / "data" / "zefirant" / "lotw"

HEADER = ("ARRL Logbook of the World Status Report\n"
          "Generated at 2026-12-08 10:00:00\n"
          "for sp9xyz\n\n"
          "<PROGRAMID:4>LoTW\n"
          "<APP_LoTW_LASTQSL:19>2026-11-30 18:22:05\n"
          "<APP_LoTW_NUMREC:1>2\n"
          "<eoh>\n")


def record(call, band, dxcc, cqz, date, own="SP9XYZ"):
    fields = [("APP_LoTW_OWNCALL", own), ("CALL", call), ("BAND", band), ("MODE", "FT8"),
              ("QSO_DATE", date), ("QSL_RCVD", "Y"), ("QSLRDATE", "20261130"),
              ("DXCC", dxcc), ("CQZ", cqz)]
    return "\n" + "".join(f"<{name}:{len(value)}>{value}\n" for name, value in fields) + "<eor>\n"


BODY = HEADER + record("W1AW", "20M", "291", "05", "20240501") + \
    record("ZZ9ZZ", "40M", "999", "41", "20240502")
REPORT = (BODY + "\n<APP_LoTW_EOF>\n").encode()
# Another station's account: its own call, its own QSL, its own date.
OTHER_REPORT = (HEADER.replace("2026-11-30 18:22:05", "2026-10-01 07:00:00") +
                record("JA1XYZ", "40M", "339", "25", "20240601", own="SP9ABC") +
                "\n<APP_LoTW_EOF>\n").encode()
LOGIN_PAGE = b"<!DOCTYPE html>\n<html><head><title>Logbook of the World</title></head>\n" \
             b"<body>Username/password incorrect</body></html>\n"

queries = []  # (scenario, query) as the server received them
release_stalled = threading.Event()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Type", "application/x-arrl-adif")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        scenario = url.path.strip("/").split("/")[0]
        queries.append((scenario, urllib.parse.parse_qs(url.query, keep_blank_values=True)))
        if scenario == "good":
            self.answer(200, REPORT)
        elif scenario == "newer":
            self.answer(200, REPORT.replace(b"2026-11-30 18:22:05", b"2026-12-07 09:00:00"))
        elif scenario == "other":
            self.answer(200, OTHER_REPORT)
        elif scenario == "future":
            self.answer(200, REPORT.replace(b"2026-11-30 18:22:05", b"2099-01-01 00:00:00"))
        elif scenario == "redirect":
            self.send_response(302)
            self.send_header("Location", CLOSED + "/good/lotwreport.adi")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif scenario == "trickle":
            # A byte now and then: never idle long enough for --timeout.
            self.send_response(200)
            self.send_header("Content-Length", str(len(REPORT)))
            self.end_headers()
            for byte in REPORT[:20]:
                if release_stalled.wait(0.5):
                    break
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
            self.close_connection = True
        elif scenario == "login":
            self.answer(200, LOGIN_PAGE)
        elif scenario == "truncated":
            self.answer(200, REPORT[:len(HEADER) + 40])
            self.close_connection = True
        elif scenario == "error500":
            self.answer(500, b"Internal Server Error\n")
        elif scenario == "stall":
            # Headers and a first part, then nothing until the test is over.
            self.answer(200, REPORT[:100], length=len(REPORT))
            release_stalled.wait(HANG_GUARD)
            self.close_connection = True
        else:
            self.answer(404, b"")


def certificate(name):
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=localhost", "-addext",
                    "subjectAltName=DNS:localhost,IP:127.0.0.1",
                    "-keyout", str(WORK / f"{name}.key"), "-out", str(WORK / f"{name}.pem")],
                   check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(WORK / f"{name}.pem", WORK / f"{name}.key")
    return context


def serve(context):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"https://127.0.0.1:{server.server_address[1]}"


def closed_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return f"https://127.0.0.1:{probe.getsockname()[1]}"


CLOSED = closed_port()


def station_file(call="SP9XYZ"):
    bands = "".join(f";Call-{b}m;Date-{b}m;QSL-{b}m;Weryf-{b}m" for b in (80, 40, 20, 15, 10))
    lines = [f"{call}  01.01.2026" + bands,
             "291| |K    |United States of America" + ";" * 20,
             "339| |JA   |Japan" + ";" * 20,
             "=" * 43]
    lines += [f"{z:<5}|{z:<5}|K" + ";" * 20 for z in range(1, 41)]
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def start(base, scenario, *options, password=PASSWORD, ca=True, station=STATION, home=True):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM") and "proxy" not in k.lower()}
    env.update(HOME=str(WORK / "home"), XDG_DATA_HOME=str(WORK / "data"),
               XDG_CONFIG_HOME=str(WORK / "config"), XDG_CACHE_HOME=str(WORK / "cache"),
               ZEFIRANT_LOTW_URL=f"{base}/{scenario}/lotwreport.adi")
    if not home:
        del env["HOME"], env["XDG_DATA_HOME"]
    env.pop("ZEFIRANT_LOTW_PASSWORD", None)
    if password is not None:
        env["ZEFIRANT_LOTW_PASSWORD"] = password
    if ca:
        env["ZEFIRANT_LOTW_CA"] = str(WORK / "test-ca.pem")
    return subprocess.Popen([str(PROGRAM / "zefirant"), "--lotw-sync", *options, str(station)],
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def finish(program, scenario):
    out, err = (text.decode() for text in program.communicate(timeout=HANG_GUARD))
    for text in (out, err):
        check(PASSWORD not in text, f"{scenario}: the password was printed")
    return program.returncode, out, err


def run(base, scenario, *options, **how):
    return finish(start(base, scenario, *options, **how), scenario)


def snapshot():
    return {path: path.read_bytes() if path.exists() else None
            for path in (STATION, ERROR_LIST, STATE / "synchronizacja.ini")}


def main():
    PROGRAM.mkdir()
    shutil.copy(BINARY, PROGRAM / "zefirant")
    for name in ("dxcc_adif.mtb", "zefirant_zones.mtb"):
        shutil.copy(SOURCE_DIR / "data" / name, PROGRAM)
    (PROGRAM / "zefirant.ini").write_bytes(b"[Konfiguracja]\r\nZnak=SP9XYZ\r\n")
    STATION.write_bytes(station_file())
    trusted = serve(certificate("test-ca"))
    untrusted = serve(certificate("other"))
    fifo = WORK / "haslo-fifo"
    os.mkfifo(fifo)

    # First sync: everything, login from the settings, imported as --import does it.
    before = STATION.read_bytes()
    status, out, err = run(trusted, "good")
    check(status == 0, f"good report ended with {status}: {err}")
    query = queries[-1][1]
    check(query == {"login": ["SP9XYZ"], "password": [PASSWORD], "qso_query": ["1"],
                    "qso_qsl": ["yes"], "qso_qsldetail": ["yes"], "qso_qslsince": ["1900-01-01"]},
          f"first query: {query}")
    check("password=***&" in out, "the shown address hides the password")
    check("Pobrano" not in err, "no progress when standard error is not a terminal")
    check("Znaki własne w raporcie (rekordów): SP9XYZ (2)" in out, f"own calls: {out}")
    check("czy to na pewno konto" not in err, f"no warning for the station's own account: {err}")
    kept = sorted((STATE / "raporty").glob("lotw_*.adi"))
    check(len(kept) == 1 and kept[0].read_bytes() == REPORT, "the report is kept as received")
    synced, synced_errors = STATION.read_bytes(), ERROR_LIST.read_bytes()
    check(";W1AW;2024-05-01;LoTW;" in synced.decode("cp1250"), "the QSL is saved")
    STATION.write_bytes(before)
    imported = subprocess.run([str(PROGRAM / "zefirant"), "--import", str(kept[0]), "--source",
                               "lotw", str(STATION)], capture_output=True, timeout=HANG_GUARD)
    check(imported.returncode == 0, "--import of the kept report")
    check(STATION.read_bytes() == synced, "station file as --import of the same report saves it")
    check(ERROR_LIST.read_bytes() == synced_errors, "error list as --import writes it")
    check(imported.stdout.decode() in out, "the same summary as --import prints")

    # The next sync asks from the stored date; --since and --login win over it.
    password_file = WORK / "haslo"
    password_file.write_text(PASSWORD + "\n")
    password_file.chmod(0o600)
    status, _, err = run(trusted, "good", "--password-file", str(password_file), password=None)
    check(status == 0, f"sync with a password file ended with {status}: {err}")
    check(queries[-1][1]["qso_qslsince"] == ["2026-11-30 18:22:05"], "the stored date is asked")
    check(queries[-1][1]["password"] == [PASSWORD], "the password file's first line is sent")
    status, out, err = run(trusted, "good", "--since", "2026-01-02", "--login", "SP9ABC",
                           "--own-call", "sp9xyz")
    check(status == 0, f"sync with --since ended with {status}: {err}")
    check(queries[-1][1]["qso_qslsince"] == ["2026-01-02"], "--since is asked")
    check(queries[-1][1]["login"] == ["SP9ABC"], "--login is sent")
    check(queries[-1][1]["qso_owncall"] == ["SP9XYZ"], "--own-call is asked")
    check("Nic się nie zmieniło" in out, "a sync that brings nothing new says so")
    check(STATION.read_bytes() == synced, "a sync that brings nothing new leaves the file")

    # Two stations synced at the same moment: each gets its own report.
    other = WORK / "inna.csv"
    other.write_bytes(station_file("SP9ABC"))
    STATION.write_bytes(before)
    both = [start(trusted, "good", station=STATION), start(trusted, "other", station=other)]
    for program, scenario in zip(both, ("good", "other")):
        status, out, err = finish(program, scenario)
        check(status == 0, f"concurrent {scenario} ended with {status}: {err}")
    mine, theirs = STATION.read_bytes().decode("cp1250"), other.read_bytes().decode("cp1250")
    check(";W1AW;2024-05-01;LoTW;" in mine and "JA1XYZ" not in mine, "first station's own QSL")
    check(";JA1XYZ;2024-06-01;LoTW;" in theirs and "W1AW" not in theirs,
          "second station's own QSL")
    state_text = (STATE / "synchronizacja.ini").read_text()
    check("2026-10-01 07:00:00" in state_text and "2026-11-30 18:22:05" in state_text,
          f"each station's own last QSL: {state_text}")
    check(len(list((STATE / "raporty").glob("lotw_*.adi"))) >= 5, "no report written over another")

    # A last QSL in the future is never stored.
    state = (STATE / "synchronizacja.ini").read_bytes()
    status, _, err = run(trusted, "future")
    check(status == 0 and "w przyszłości" in err, f"future date: {status} {err}")
    check((STATE / "synchronizacja.ini").read_bytes() == state, "a future date is not stored")

    # Failures: the reason on standard error, status 1, nothing changed.
    password_file.chmod(0o640)
    cases = [
        ("login", trusted, [], {}, "LoTW nie przyjął nazwy użytkownika lub hasła"),
        ("truncated", trusted, [], {}, "Raport LoTW jest niepełny"),
        ("error500", trusted, [], {}, "serwer 127.0.0.1 odpowiedział kodem HTTP 500"),
        ("stall", trusted, ["--timeout", "2"], {}, "przekroczono czas oczekiwania"),
        ("good", untrusted, [], {}, "nie pochodzi od zaufanego urzędu certyfikacji"),
        ("good", CLOSED, [], {}, "odmówił połączenia"),
        ("redirect", trusted, [], {}, "odmówił połączenia"),
        ("trickle", trusted, ["--max-time", "2"], {}, "trwało dłużej niż 2 s"),
        ("good", trusted, ["--password-file", str(password_file)], {}, "mogą czytać inni"),
        ("good", trusted, ["--password-file", str(fifo)], {}, "nie jest zwykłym plikiem"),
        ("good", trusted, [], {"home": False}, "HOME i XDG_DATA_HOME nie są ustawione"),
    ]
    for scenario, base, options, how, reason in cases:
        state = snapshot()
        asked = len(queries)
        status, out, err = run(base, scenario, *options, **how)
        print(f"--- {scenario} {' '.join(options)} (exit {status}):\n{err}", end="")
        check(status == 1, f"{scenario}: exit {status}")
        check(reason in err, f"{scenario}: reason {reason!r} not in {err!r}")
        check(snapshot() == state, f"{scenario}: files changed")
        if "--password-file" in options or how:
            check(len(queries) == asked, "a refused sync reaches no server")
    release_stalled.set()

    # An import that fails after a good download does not move the date either.
    STATION.chmod(0o444)
    state = snapshot()
    status, _, err = run(trusted, "newer")
    print(f"--- read-only station file (exit {status}):\n{err}", end="")
    check(status == 1 and snapshot() == state, "a refused import changes nothing")
    STATION.chmod(0o644)
    status, _, err = run(trusted, "good", password=None)
    check(status == 1 and "ZEFIRANT_LOTW_PASSWORD" in err, "no password at all is refused")

    if failures:
        sys.exit(1)
    print("lotw sync: every case passed")


try:
    main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
