#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The typical road, as a user drives the real program under Xvfb: start
with no settings, New with a callsign, one entity entered on 20 m through the
data entry dialog, an ADIF import, the view "Strefy 80M", Save as, close.
Then the station data file, the error list and the settings file are
compared byte by byte with what they must hold. Screenshots of the main and
summary windows are kept as artefacts."""

import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time

BINARY, SOURCE_DIR = sys.argv[1], sys.argv[2]
ARTEFACTS = os.environ.get("E2E_ARTEFACTS", tempfile.gettempdir())
SEMICOLONS = ";" * 20
# Waits end on what they wait for; these seconds only guard against a hang.
GUARD = 60.0

ADIF = (
    "Exported for the test<eoh>\r\n"
    "<CALL:5>W1AAA<QSO_DATE:8>20230101<BAND:3>20M<DXCC:3>291<CQZ:1>5<QSL_RCVD:1>Y<eor>\r\n"
    "<CALL:6>JA1XYZ<QSO_DATE:8>20230202<BAND:3>40M<DXCC:3>339<CQZ:2>25\r\n"
    "<LOTW_QSL_RCVD:1>Y<eor>\r\n"
    "<CALL:5>ZZ9ZZ<QSO_DATE:8>20230303<BAND:3>20M<DXCC:3>999<CQZ:2>99<QSL_RCVD:1>Y<eor>\r\n"
)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def find_window(pattern, timeout=GUARD):
    end = time.time() + timeout
    while time.time() < end:
        ids = xdotool("search", "--name", pattern).split()
        if ids:
            return ids[0]
        time.sleep(0.1)
    fail(f"no window matching {pattern!r}")


def geometry(window):
    values = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"])


def point_into(window, dx=20, dy=20):
    x, y = geometry(window)
    xdotool("mousemove", str(x + dx), str(y + dy))


def press(*keys):
    xdotool("key", "--delay", "60", *keys)


def type_text(text):
    xdotool("type", "--delay", "30", text)


def settle(dialog):
    """Keys typed before a dialog that has just appeared has the focus are
    lost (a slow, sanitized build)."""
    wait_for(lambda: xdotool("getwindowfocus") == dialog, f"the focus on window {dialog}")


def shown_windows():
    return len(xdotool("search", "--onlyvisible", "--classname", "zefirant").split())


def open_menu(x, y):
    """Clicks a menu's title and waits until its menu is shown."""
    before = shown_windows()
    click(x, y)
    wait_for(lambda: shown_windows() > before, f"a menu at {x},{y}")


def answer(pattern, *keys):
    """A message or input box: the pointer onto it, then the keys."""
    point_into(find_window(pattern))
    press(*keys)


def click(x, y):
    xdotool("mousemove", str(x), str(y), "click", "1")


def wait_for(condition, what, timeout=GUARD):
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return
        time.sleep(0.1)
    fail(what)


def screenshot(name):
    subprocess.run(["import", "-window", "root", os.path.join(ARTEFACTS, name + ".png")],
                   capture_output=True)


def fail(message):
    screenshot("typical_road_failed")
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def expected_station_file(folder):
    entity_slots = {
        "269": (2, "SP5ABC;2024-03-15;QSL;"),
        "291": (2, "W1AAA;2023-01-01;QSL;"),
        "339": (1, "JA1XYZ;2023-02-02;LoTW;"),
    }
    zone_slots = {"5": (2, "W1AAA;2023-01-01;QSL;"), "25": (1, "JA1XYZ;2023-02-02;LoTW;")}

    def row(reference, slots, key):
        if key not in slots:
            return reference + SEMICOLONS
        band, fields = slots[key]
        return reference + ";" * (1 + 4 * band) + fields + ";" * (4 * (4 - band))

    today = datetime.date.today()
    lines = [f"SP9XYZ  {today.day}.{today.month:02d}.{today.year}"
             + "".join(f";Call-{b}m;Date-{b}m;QSL-{b}m;Weryf-{b}m" for b in (80, 40, 20, 15, 10))]
    with open(os.path.join(folder, "dxcc_adif.mtb"), "rb") as f:
        for line in f.read().split(b"\r\n")[:-1]:
            reference = line.decode("cp1250")[:-1].rstrip()
            lines.append(row(reference, entity_slots, reference[:3].strip()))
    lines.append("=" * 43)
    with open(os.path.join(folder, "zefirant_zones.mtb"), "rb") as f:
        for line in f.read().split(b"\r\n")[:40]:
            zone = line.decode("cp1250")
            lines.append(row(zone, zone_slots, zone[6:11].strip()))
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def expected_error_list():
    record = ("<CALL:5>ZZ9ZZ<QSO_DATE:8>20230303<BAND:3>20M<DXCC:3>999<CQZ:2>99"
              "<QSL_RCVD:1>Y<EOR>")
    lines = ["Błędy związane z niewłaściwym numerem podmiotu DXCC/strefą CQ lub ich brakiem:",
             record, record]
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def expected_settings(station_path):
    lines = [
        "[Konfiguracja]", "Znak=sp9xyz", f"Plik={station_path}", "E-mail=weryfikacja@zefirant.pl",
        "[Widok]", "Wysokosc okna=292", "Szerokosc okna=672", "Korekta=0",
        "[Tabela]", "X=0", "Y=226", "Szerokosc ADIF=35", "Szerokosc Deleted=12",
        "Szerokosc prefiksu=48", "Szerokosc nazwy=167", "Szerokosc znaku=85",
        "Szerokosc daty QSO=147", "Szerokosc QSL=74", "Szerokosc daty weryfikacji=68",
        "Wysokosc wierszy=21", "Czcionka=Arial", "Wielkosc czcionki=10", "Grubosc czcionki=1",
        "Kolor potwierdzonych=11195903", "Kolor zweryfikowanych=12910532",
        "Kolor usunietych=12632256", "Kolor pozostalych=16777215",
        "[Zestawienie]", "X=0", "Y=0", "Szerokość=437", "Wysokość=225",
        "[Wyswietlanie]", "Usuniete=0", "Wszystkie=1", "Wszystkie bez zweryfikowanych=0",
        "Do weryfikacji=0", "Potwierdzone=0", "Zweryfikowane=0",
    ]
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def compare(path, expected, what):
    with open(path, "rb") as f:
        actual = f.read()
    if actual != expected:
        actual_lines, expected_lines = actual.split(b"\r\n"), expected.split(b"\r\n")
        for number, (a, e) in enumerate(zip(actual_lines, expected_lines), 1):
            if a != e:
                fail(f"{what}, line {number}:\n  got      {a!r}\n  expected {e!r}")
        fail(f"{what}: {len(actual_lines)} lines, expected {len(expected_lines)}")


def main():
    work = tempfile.mkdtemp()
    program_dir = os.path.join(work, "program")
    os.makedirs(program_dir)
    shutil.copy(BINARY, os.path.join(program_dir, "zefirant"))
    for name in ("dxcc_adif.mtb", "zefirant_zones.mtb", "zefirant.jpg"):
        shutil.copy(os.path.join(SOURCE_DIR, "data", name), program_dir)
    adif = os.path.join(work, "log.adi")
    with open(adif, "w", newline="") as f:
        f.write(ADIF)
    station = os.path.join(work, "stacja")

    # A desktop without a language: the header date takes the Polish short form.
    environment = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    program = subprocess.Popen([os.path.join(program_dir, "zefirant")], cwd=program_dir,
                               env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        main_window = find_window("^Aktualizacja podmiotów dla pasma 80M")
        x, y = geometry(main_window)

        # "Plik" / "Nowy", the callsign.
        open_menu(x + 20, y + 10)
        press("Down", "Return")
        answer("^Identyfikacja stacji", *"sp9xyz", "Return")
        wait_for(lambda: xdotool("search", "--name", "^Identyfikacja") == "", "callsign box")

        # "Pasmo 20M", a press on the grid, the prefix SP, Enter opens the entry dialog.
        open_menu(x + 50, y + 36)
        press("Down", "Down", "Return")
        find_window("^Aktualizacja podmiotów - pasmo 20M")
        click(x + 150, y + 104)
        press("s", "p", "Return")
        point_into(find_window("^Wprowadzanie danych"), 40, 40)
        type_text("sp5abc")
        press("Return")
        type_text("20240315")
        press("Return", "Return")
        wait_for(lambda: xdotool("search", "--name", "^Wprowadzanie") == "", "entry dialog")

        # "Import danych": the notice, the file, "Importuj", the result.
        click(x + 220, y + 10)
        answer("^Informacja", "Return")
        dialog = find_window("^Importowanie danych z pliku ADIF")
        point_into(dialog)
        settle(dialog)
        type_text(adif)
        dialog_x, dialog_y = geometry(dialog)
        click(dialog_x + 334, dialog_y + 46)  # "Importuj"
        answer("^Komunikat", "Return")
        # What the import did, in a window of its own until the user closes it.
        find_window("^Wynik importu - ")
        screenshot("typical_road_import_result")
        answer("^Wynik importu - ", "Escape")

        # "Strefy 80M".
        open_menu(x + 50, y + 36)
        press("Down", "Down", "Down", "Return")
        find_window("^Aktualizacja stref - pasmo 80M")
        screenshot("typical_road_main_and_summary")

        # "Plik" / "Zapisz jako..", the name, the notice.
        open_menu(x + 20, y + 10)
        press("Down", "Down", "Down", "Down", "Return")
        save_dialog = find_window("^Zachowaj jako|^Save As")
        point_into(save_dialog, 300, 360)
        settle(save_dialog)
        type_text(station)
        press("Return")
        answer("^Informacja", "Return")

        # "Plik" / "&Koniec".
        open_menu(x + 20, y + 10)
        press("Up", "Return")
        if program.wait(timeout=GUARD) != 0:
            fail(f"the program ended with status {program.returncode}")
    except subprocess.TimeoutExpired:
        fail("the program did not end")
    finally:
        if program.poll() is None:
            program.kill()

    compare(station + ".csv", expected_station_file(program_dir), "station data file")
    compare(os.path.join(program_dir, "bledy_dxcc.txt"), expected_error_list(), "error list")
    compare(os.path.join(program_dir, "zefirant.ini"), expected_settings(station + ".csv"),
            "settings file")
    shutil.rmtree(work)
    print("ok")


if __name__ == "__main__":
    main()
