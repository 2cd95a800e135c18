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

--angriff chooses an attack instead of the class (same teacher set-up; made-up
datagrams come from 127.0.0.2 and further loopback addresses, the real
pupils' from 127.0.0.1):

  anmeldungen   1000 made-up TN-INIT + 100 % TN-BESTLIST in 2 s, then three
                real pupils join and finish. Goal: each real pupil has its row
                ("fertig") and its record, no made-up record.
  flut          1000 made-up rows, then 10 000 valid TN-AKTION a second on
                them for 10 s while five real pupils answer (leave the live
                view open). Goal: the window stalls <= 50 ms beyond its
                heartbeat (maximum and 95th percentile printed), 0 real
                reports lost, rows and records of the real pupils.
  wiederholung  a run replayed from an earlier initiation and a record without
                a join, beside a real run. Goal: only the real record.
  namensdienst  the script is a name server that never answers (127.0.0.77:53)
                and names the teacher in the data file by a name only it
                would know; run a pupil's program against it (see the
                function's text). Goal: the pupil's window never stalls
                > 50 ms (from its own heartbeat file).

Every attack prints the machine's load with its figures.
"""
import argparse
import collections
import datetime
import json
import os
import random
import signal
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


def delphi_jetzt():
    """Now as days since 1899-12-30 in local time, as the program writes it."""
    return (datetime.datetime.now() - datetime.datetime(1899, 12, 30)).total_seconds() / 86400.0


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
    a.add_argument("--angriff", default="klasse",
                   choices=["klasse", "anmeldungen", "flut", "wiederholung", "namensdienst"],
                   help="klasse: a class, then garbage (default); the others: see the head of this file")
    a.add_argument("--basis", type=int, default=int(os.environ.get("PENNORIA_MAILSLOT_PORTBASIS", "47000")))
    a.add_argument("--kanal", default="TVL-1")
    a.add_argument("--teilnehmer", type=int, default=40)
    a.add_argument("--antworten", type=int, default=30)
    a.add_argument("--dauer", type=float, default=20.0, help="seconds over which the class answers")
    a.add_argument("--muell-rate", type=int, default=10000, help="garbage datagrams per second")
    a.add_argument("--muell-sekunden", type=float, default=3.0)
    a.add_argument("--flut-rate", type=int, default=10000, help="valid reports per second (flut)")
    a.add_argument("--flut-sekunden", type=float, default=10.0)
    a.add_argument("--flut-zeilen", type=int, default=1000)
    a.add_argument("--kom", help="communication folder (namensdienst: the .dat is rewritten there)")
    a.add_argument("--messung", required=True, help="the teacher's measurement file (namensdienst: the pupil's)")
    a.add_argument("--hsc", help="the class list (all but namensdienst)")
    a.add_argument("--tvl", default=os.path.join(os.path.dirname(__file__), "..", "build", "bin", "tvl"))
    o = a.parse_args()
    if o.angriff != "namensdienst" and not o.hsc:
        a.error("--hsc is needed")
    return {"klasse": klasse, "anmeldungen": anmeldungen, "flut": flut, "wiederholung": wiederholung,
            "namensdienst": namensdienst}[o.angriff](o)


def klasse(o):
    # Only what happens from now on counts: the file and the list may hold
    # an earlier run.
    messung_ab = os.path.getsize(o.messung) if os.path.exists(o.messung) else 0
    eintraege_vorher = listen_eintraege(o)
    ziel = ("127.0.0.1", port(o.kanal, o.basis))
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    rnd = random.Random(time.time_ns())  # new identifiers on every run
    start = time.strftime("%H:%M:%S")
    beginn_zahl = delphi_jetzt()

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


# ---------------------------------------------------------------- attacks


class Sender:
    """Datagrams to the teacher's channel from one loopback address."""

    def __init__(self, o, von="127.0.0.1"):
        self.s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.s.bind((von, 0))
        self.ziel = ("127.0.0.1", port(o.kanal, o.basis))

    def zeilen(self, rechner, zeilen):
        self.s.sendto(datagramm(rechner, zeilen), self.ziel)


def kennung(rnd):
    return "".join(rnd.choice(string.ascii_uppercase) for _ in range(30))


class Schueler:
    """A real pupil, played by the script: joins, answers, ends."""

    def __init__(self, o, nr, rnd, fragen=10):
        self.sender = Sender(o, "127.0.0.1")
        self.k = kennung(rnd)
        self.name = "Echt %d" % nr
        self.rechner = "echt-%02d" % nr
        self.fragen = fragen
        self.richtig = 0
        self.gesendet = 0  # answer reports sent
        self.start = time.strftime("%H:%M:%S")
        self.beginn = delphi_jetzt()
        self.t0 = time.monotonic()
        self.sender.zeilen(self.rechner, ["TN-INIT", self.k, self.name, self.start])

    def antworten(self):
        if self.richtig >= self.fragen:
            return False
        self.richtig += 1
        self.gesendet += 1
        offen = self.fragen - self.richtig
        g = 100.0 * self.richtig / self.fragen
        self.sender.zeilen(self.rechner, ["TN-AKTION", self.k, "1", "-2", "0", "0", self.start, str(self.fragen),
                                          str(self.richtig), "0", str(offen), uhr(int(time.monotonic() - self.t0)),
                                          "100.0", "%.1f" % g, "1"])
        return True

    def beenden(self):
        dauer = int((time.monotonic() - self.t0) * 1000)
        self.sender.zeilen(self.rechner, ["TN-FERTIG", self.k, "1", uhr(dauer // 1000)])
        time.sleep(0.05)
        self.sender.zeilen(self.rechner, ["TN-BESTLIST", self.k, self.name, self.rechner, "%.10f" % self.beginn,
                                          str(dauer), "%.10f" % (self.richtig / self.fragen)])


def messung_lesen(pfad, ab):
    """Taken messages {(kennung, antworten)}, final state per identifier and heartbeat times."""
    genommen, zustand, puls = set(), {}, []
    with open(pfad) as f:
        f.seek(ab)
        for zeile in f:
            t = zeile.split()
            if t and t[0] == "N" and len(t) == 5:
                genommen.add((t[2], int(t[3])))
                zustand[t[2]] = int(t[4])
            elif t and t[0] == "T":
                puls.append(int(t[1]))
    return genommen, zustand, puls


def stockungen(puls, von_ns, bis_ns):
    """The event loop's delays beyond its 50 ms heartbeat, in ms: maximum and 95th percentile."""
    p = [x for x in puls if von_ns <= x <= bis_ns]
    if len(p) < 2:
        return float("nan"), float("nan")
    s = sorted(max(0.0, (b - a) / 1e6 - 50.0) for a, b in zip(p, p[1:]))
    return s[-1], s[min(len(s) - 1, int(0.95 * len(s)))]


def neue_namen(o, vorher):
    """Names of the records added since VORHER (the list is kept in rank order)."""
    neu = collections.Counter(listen_namen(o))
    neu.subtract(collections.Counter(vorher))
    return [n for n, z in neu.items() for _ in range(max(0, z))]


def listen_namen(o):
    if not os.path.exists(o.hsc):
        return []
    r = subprocess.run([o.tvl, "hsc", "--json", o.hsc], capture_output=True, check=True)
    return [e.get("Name", "") for e in json.loads(r.stdout)]


def last():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def urteil(ok):
    print("ERGEBNIS: %s" % ("erfüllt" if ok else "NICHT erfüllt"))
    return 0 if ok else 1


def anmeldungen(o):
    """1000 made-up joins with 100 % records from 127.0.0.2 in 2 s, then real pupils join and finish."""
    rnd = random.Random(time.time_ns())
    ab = os.path.getsize(o.messung) if os.path.exists(o.messung) else 0
    namen_vorher = listen_namen(o)
    fake = Sender(o, "127.0.0.2")
    for i in range(1000):
        k = kennung(rnd)
        fake.zeilen("fake-%d" % i, ["TN-INIT", k, "Fake", time.strftime("%H:%M:%S")])
        fake.zeilen("fake-%d" % i, ["TN-BESTLIST", k, "Fake", "fake-%d" % i, "%.10f" % delphi_jetzt(), "1000", "1"])
        time.sleep(0.002)
    time.sleep(0.5)
    echte = [Schueler(o, n + 1, rnd) for n in range(3)]
    while any(s.antworten() for s in echte):
        time.sleep(0.3)
    for s in echte:
        s.beenden()
    time.sleep(1.5)
    genommen, zustand, _ = messung_lesen(o.messung, ab)
    namen = neue_namen(o, namen_vorher)
    zeilen = sum(1 for s in echte if zustand.get(s.k) == 1)
    eintraege = sum(1 for s in echte if s.name in namen)
    falsche = sum(1 for n in namen if n == "Fake")
    print("Last: %s" % last())
    print("echte Schüler mit Zeile 'fertig': %d von %d" % (zeilen, len(echte)))
    print("echte Schüler in der Klassenliste: %d von %d; erfundene Einträge: %d" % (eintraege, len(echte), falsche))
    return urteil(zeilen == len(echte) and eintraege == len(echte) and falsche == 0)


def flut(o):
    """FLUT_ZEILEN made-up rows, then FLUT_RATE valid reports a second on them for FLUT_SEKUNDEN, while
    five real pupils answer; the live view should be shown."""
    rnd = random.Random(time.time_ns())
    ab = os.path.getsize(o.messung) if os.path.exists(o.messung) else 0
    namen_vorher = listen_namen(o)
    # Joins from many addresses, as many pupils' computers would send them.
    fake = []
    for z in range(o.flut_zeilen):
        adr = "127.0.%d.%d" % (1 + z // 200, 10 + (z % 200) // 20)
        k = kennung(rnd)
        Sender(o, adr).zeilen("fake-%d" % z, ["TN-INIT", k, "Fake %d" % z, time.strftime("%H:%M:%S")])
        fake.append(k)
        if z % 50 == 49:
            time.sleep(0.05)
    time.sleep(1.0)
    echte = [Schueler(o, n + 1, rnd, fragen=int(o.flut_sekunden * 2)) for n in range(5)]
    s = Sender(o, "127.0.0.2")
    stand = [0] * len(fake)
    t0 = time.monotonic()
    m0 = time.monotonic_ns()
    gesendet = 0
    naechste_antwort = t0
    while time.monotonic() - t0 < o.flut_sekunden:
        soll = int((time.monotonic() - t0) * o.flut_rate)
        while gesendet < soll:
            z = gesendet % len(fake)
            stand[z] += 1
            n = stand[z]
            s.zeilen("fake-%d" % z, ["TN-AKTION", fake[z], "1", "-2", "0", "0", "10:00:00", "100000", str(n), "0",
                                     str(100000 - n), "00:10", "100.0", "0.0", "6"])
            gesendet += 1
        if time.monotonic() >= naechste_antwort:
            for e in echte:
                e.antworten()
            naechste_antwort += 0.5
        time.sleep(0.002)
    m1 = time.monotonic_ns()
    dauer = (m1 - m0) / 1e9
    for e in echte:
        while e.antworten():
            pass
        e.beenden()
    time.sleep(2.0)
    genommen, zustand, puls = messung_lesen(o.messung, ab)
    hoechst, p95 = stockungen(puls, m0, m1 + 500_000_000)
    echt_gesendet = sum(e.gesendet for e in echte)
    echt_genommen = sum(1 for e in echte for n in range(1, e.gesendet + 1) if (e.k, n) in genommen)
    flut_genommen = sum(1 for z, k in enumerate(fake) for n in range(1, stand[z] + 1) if (k, n) in genommen)
    namen = neue_namen(o, namen_vorher)
    zeilen = sum(1 for e in echte if zustand.get(e.k) == 1)
    eintraege = sum(1 for e in echte if e.name in namen)
    print("Last: %s" % last())
    print("Flut: %d gültige Meldungen in %.1f s (%.0f/s) auf %d Zeilen, davon genommen: %d"
          % (gesendet, dauer, gesendet / dauer, len(fake), flut_genommen))
    print("Stockung des Fensters [ms] (über den 50-ms-Puls hinaus): Maximum %.1f, 95 %% %.1f (Ziel: <= 50)"
          % (hoechst, p95))
    print("echte Meldungen genommen: %d von %d; Zeilen 'fertig': %d von %d; Klassenliste: %d von %d"
          % (echt_genommen, echt_gesendet, zeilen, len(echte), eintraege, len(echte)))
    return urteil(hoechst <= 50 and echt_genommen == echt_gesendet and zeilen == len(echte)
                  and eintraege == len(echte))


def wiederholung(o):
    """A run replayed from an earlier initiation (start an hour ago), a record without a join, and a real
    pupil's run."""
    rnd = random.Random(time.time_ns())
    namen_vorher = listen_namen(o)
    s = Sender(o, "127.0.0.2")
    k = kennung(rnd)
    frueher = delphi_jetzt() - 1.0 / 24
    s.zeilen("pc-alt", ["TN-INIT", k, "Wiederholt", "08:00:00"])
    s.zeilen("pc-alt", ["TN-AKTION", k, "1", "-2", "0", "0", "08:00:00", "1", "1", "0", "0", "00:10", "100.0",
                        "100.0", "1"])
    s.zeilen("pc-alt", ["TN-FERTIG", k, "1", "00:20"])
    s.zeilen("pc-alt", ["TN-BESTLIST", k, "Wiederholt", "pc-alt", "%.10f" % frueher, "20000", "1"])
    s.zeilen("pc-neu", ["TN-BESTLIST", kennung(rnd), "Erfunden", "pc-neu", "%.10f" % delphi_jetzt(), "20000", "1"])
    echt = Schueler(o, 1, rnd, fragen=3)
    while echt.antworten():
        time.sleep(0.3)
    echt.beenden()
    time.sleep(1.5)
    namen = neue_namen(o, namen_vorher)
    print("Last: %s" % last())
    print("Klassenliste neu: %s" % (", ".join(namen) or "-"))
    return urteil(namen == [echt.name])


def namensdienst(o):
    """A name server that never answers, for a pupil's program (the script is that name server).

    Rewrites the teacher's name in KOM's data file to one only a name server knows, answers no query on
    127.0.0.77:53, and waits while the pupil's program runs with a resolver file naming it, e.g.

        echo 'nameserver 127.0.0.77' > /tmp/resolv-langsam.conf
        unshare -m sh -c 'mount --bind /tmp/resolv-langsam.conf /etc/resolv.conf &&
            PENNORIA_KONTROLL_MESSUNG=/tmp/schueler.txt HOME=/tmp/s1 build/pennoria/pennoria'

    joins (F8, Enter), answers (keys 1 to 6) and closes. Then it reports the pupil's window stalls from
    its heartbeat in MESSUNG."""
    basis = os.path.join(o.kom, o.kanal + "-tvlnetzuebung.dat")
    with open(basis, "rb") as f:
        d = f.read()
    pos = 0
    teile = []
    for _ in range(3):
        n = int.from_bytes(d[pos:pos + 4], "little")
        teile.append(d[pos + 4:pos + 4 + n])
        pos += 4 + n
    name = b"lehrer-langsam.schule"
    neu = b"".join(len(t).to_bytes(4, "little") + t for t in teile[:2])
    neu += len(name).to_bytes(4, "little") + name + d[pos:]
    with open(basis, "wb") as f:
        f.write(neu)
    ns = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    ns.bind(("127.0.0.77", 53))
    ns.settimeout(0.5)
    ab = os.path.getsize(o.messung) if os.path.exists(o.messung) else 0
    m0 = time.monotonic_ns()
    anfragen = 0
    print("Namensdienst auf 127.0.0.77:53 antwortet nicht; Lehrername jetzt %s. Ende mit Strg+C oder SIGTERM."
          % name.decode())

    def ende(*_):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, ende)  # also when started in the background, where SIGINT is ignored
    try:
        while True:
            try:
                ns.recvfrom(2048)
                anfragen += 1
            except socket.timeout:
                pass
    except KeyboardInterrupt:
        pass
    m1 = time.monotonic_ns()
    _, _, puls = messung_lesen(o.messung, ab)
    hoechst, p95 = stockungen(puls, m0, m1)
    print("Last: %s" % last())
    print("Anfragen an den Namensdienst: %d" % anfragen)
    print("Stockung des Schülerfensters [ms]: Maximum %.1f, 95 %% %.1f (Ziel: <= 50)" % (hoechst, p95))
    return urteil(hoechst <= 50)


if __name__ == "__main__":
    sys.exit(main())
