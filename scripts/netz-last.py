#!/usr/bin/env python3
"""Load check of the classroom exercise (not part of the tests).

Plays PUPILS participants of ANSWERS answers each against a running teacher
program on the loopback address, interleaved as a class would send them, then
floods the channel with garbage datagrams. It only sends to 127.0.0.1 and
stops by itself.

Start the teacher's program first, with its own settings and a measurement
file, and initiate an exercise (F9, "Übung starten"):

    PENNORIA_MAILSLOT_PORTBASIS=51000 PENNORIA_KONTROLL_MESSUNG=/tmp/messung.txt \\
        HOME=/tmp/lehrer XDG_CONFIG_HOME=/tmp/lehrer build/pennoria/pennoria

then run

    scripts/netz-last.py --basis 51000 --messung /tmp/messung.txt \\
        --hsc build/pennoria/kom/TVL-1-tvlnetzuebung.hsc

It reports: messages sent and taken by the live view (lost = the difference),
rows that ended as "fertig", records in the class list (through `tvl hsc`),
the live view's update time per answer (from sending to the moment the view
took it; median, 95th percentile, maximum), and the longest gap of the
window's 50 ms heartbeat during the garbage flood.
"""
import argparse
import json
import os
import random
import socket
import string
import subprocess
import sys
import time


def fnv1a(b):
    h = 2166136261
    for c in b:
        h ^= c
        h = (h * 16777619) & 0xFFFFFFFF
    return h


def port(kanal, basis):
    return basis + fnv1a(kanal.upper().encode("cp1252")) % 1000


def datagramm(rechner, zeilen):
    z = ["Message", "schueler", rechner] + zeilen
    return ("".join(x + "\r\n" for x in z)).encode("cp1252")


def uhr(s):
    return "%02d:%02d" % (s // 60, s % 60)


def listen_eintraege(o):
    """Records of the class list, 0 while it does not exist."""
    if not os.path.exists(o.hsc):
        return 0
    try:
        r = subprocess.run([o.tvl, "hsc", "--json", o.hsc], capture_output=True, check=True)
        return len(json.loads(r.stdout))
    except Exception as e:
        return "nicht lesbar (%s)" % e


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--basis", type=int, default=int(os.environ.get("PENNORIA_MAILSLOT_PORTBASIS", "47000")))
    a.add_argument("--kanal", default="TVL-1")
    a.add_argument("--teilnehmer", type=int, default=40)
    a.add_argument("--antworten", type=int, default=30)
    a.add_argument("--dauer", type=float, default=20.0, help="seconds over which the class answers")
    a.add_argument("--muell-rate", type=int, default=10000, help="garbage datagrams per second")
    a.add_argument("--muell-sekunden", type=float, default=3.0)
    a.add_argument("--messung", required=True)
    a.add_argument("--hsc", required=True)
    a.add_argument("--tvl", default=os.path.join(os.path.dirname(__file__), "..", "build", "bin", "tvl"))
    o = a.parse_args()

    # Only what happens from now on counts: the file and the list may hold
    # an earlier run.
    messung_ab = os.path.getsize(o.messung) if os.path.exists(o.messung) else 0
    eintraege_vorher = listen_eintraege(o)
    ziel = ("127.0.0.1", port(o.kanal, o.basis))
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    rnd = random.Random(time.time_ns())  # new identifiers on every run
    start = time.strftime("%H:%M:%S")
    beginn_zahl = time.time() / 86400.0 + 25569  # days since 1899-12-30 (UTC is near enough)

    # The whole class's messages on one time line.
    plan = []  # (send time offset, kennung, antworten, lines)
    kennungen = []
    for t in range(o.teilnehmer):
        k = "".join(rnd.choice(string.ascii_uppercase) for _ in range(30))
        kennungen.append(k)
        rechner = "pc-%02d" % (t + 1)
        zeit = rnd.uniform(0, 1.0)
        plan.append((zeit, k, -1, rechner, ["TN-INIT", k, "Schueler %d" % (t + 1), start]))
        richtig = falsch = 0
        for i in range(o.antworten):
            zeit += rnd.uniform(0.2, 2.0) * o.dauer / o.antworten / 1.1
            if rnd.random() < 0.8:
                richtig += 1
            else:
                falsch += 1
            offen = o.antworten - richtig
            quote = 100.0 * richtig / (richtig + falsch)
            gesamt = 100.0 * richtig / (richtig + falsch + offen)
            plan.append((zeit, k, richtig + falsch, rechner,
                         ["TN-AKTION", k, str(i), "-2", "0", "0", start, str(o.antworten), str(richtig),
                          str(falsch), str(offen), uhr(int(zeit)), "%.1f" % quote, "%.1f" % gesamt, "3"]))
            if offen == 0:
                break
        zeit += 0.05
        plan.append((zeit, k, -2, rechner, ["TN-FERTIG", k, "1", uhr(int(zeit))]))
        plan.append((zeit + 0.05, k, -3, rechner,
                     ["TN-BESTLIST", k, "Schueler %d" % (t + 1), rechner, "%.10f" % beginn_zahl,
                      str(int(zeit * 1000)), "%.10f" % (richtig / max(1, richtig + falsch + (o.antworten - richtig)))]))
    plan.sort(key=lambda p: p[0])

    gesendet = {}  # (kennung, antworten) -> monotonic ns
    t0 = time.monotonic()
    for zeit, k, n, rechner, zeilen in plan:
        warte = t0 + zeit - time.monotonic()
        if warte > 0:
            time.sleep(warte)
        s.sendto(datagramm(rechner, zeilen), ziel)
        if n >= 0:
            gesendet[(k, n)] = time.monotonic_ns()
    time.sleep(1.5)

    # Garbage at the given rate.
    m0 = time.monotonic_ns()
    muell = 0
    ende = time.monotonic() + o.muell_sekunden
    schritt = 1.0 / o.muell_rate
    naechste = time.monotonic()
    while time.monotonic() < ende:
        n = rnd.randrange(1, 600)
        art = rnd.random()
        if art < 0.3:
            d = bytes(rnd.getrandbits(8) for _ in range(n))
        elif art < 0.6:
            d = datagramm("x", ["TN-AKTION", "".join(rnd.choice("ABC") for _ in range(30))] + ["9"] * rnd.randrange(0, 20))
        else:
            d = b"Message\r\n" + bytes(rnd.getrandbits(7) for _ in range(n))
        s.sendto(d, ziel)
        muell += 1
        naechste += schritt
        warte = naechste - time.monotonic()
        if warte > 0:
            time.sleep(warte)
    m1 = time.monotonic_ns()
    time.sleep(1.0)

    genommen = {}
    zustand = {}
    anzahl_n = 0
    puls = []
    with open(o.messung) as f:
        f.seek(messung_ab)
        for zeile in f:
            t = zeile.split()
            if t and t[0] == "N" and len(t) == 5:
                anzahl_n += 1
                key = (t[2], int(t[3]))
                genommen.setdefault(key, int(t[1]))
                zustand[t[2]] = int(t[4])
            elif t and t[0] == "T":
                puls.append(int(t[1]))
    lat = sorted((genommen[k] - v) / 1e6 for k, v in gesendet.items() if k in genommen and genommen[k] >= v)
    fehlend = [k for k in gesendet if k not in genommen]
    fertig = sum(1 for k in kennungen if zustand.get(k) == 1)
    imFlut = [p for p in puls if m0 <= p <= m1 + 200_000_000]
    luecke = max((b - a) / 1e6 for a, b in zip(imFlut, imFlut[1:])) if len(imFlut) > 1 else float("nan")
    eintraege = listen_eintraege(o)
    if isinstance(eintraege, int):
        eintraege -= eintraege_vorher

    def pz(q):
        return lat[min(len(lat) - 1, int(q * len(lat)))] if lat else float("nan")

    print("Nachrichten gesendet:        %d" % len(plan))
    print("von der Anzeige genommen:    %d (verloren: %d, Antworten ohne Zeile: %d)"
          % (anzahl_n, len(plan) - anzahl_n, len(fehlend)))
    print("Zeilen 'fertig':             %d von %d" % (fertig, o.teilnehmer))
    print("neue Einträge der Klassenliste: %s" % eintraege)
    print("Aktualisierung [ms]:         Median %.1f, 95 %% %.1f, Maximum %.1f (%d Antworten)"
          % (pz(0.5), pz(0.95), lat[-1] if lat else float("nan"), len(lat)))
    print("Müll: %d Datagramme in %.1f s; längste Pulslücke des Fensters: %.1f ms (Soll 50 ms)"
          % (muell, (m1 - m0) / 1e9, luecke))
    ok = anzahl_n == len(plan) and fertig == o.teilnehmer and eintraege == o.teilnehmer and lat and pz(0.95) < 200
    print("ERGEBNIS: %s" % ("erfüllt" if ok else "NICHT erfüllt"))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
