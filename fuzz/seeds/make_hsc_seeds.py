#!/usr/bin/env python3
"""Writes the small seed high-score lists of the fuzz corpus (run once; outputs kept in git)."""
import struct, os

def s(b): return struct.pack("<i", len(b)) + b
def rec(name, rechner, beginn, dauer, leistung):
    return s(name) + s(rechner) + struct.pack("<d", beginn) + struct.pack("<i", dauer) + struct.pack("<d", leistung)

here = os.path.dirname(os.path.abspath(__file__))
head = s(b"TVL-HSC-1.00") + s(b"|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|")
full = (head + rec(b"J\xf6rg", b"PC-07", 46000.5, 61999, 0.85) + rec(b"Ina", b"PC-01", 46001.0, 75000, 0.85)
        + rec(b"Ole", b"PC-02", 46002.0, 75000, 0.85) + rec(b"(kein Name)", b"PC-03", 46003.0, 1000, 0.5))
partial = s(b"TVL-HSC-1.00") + s(b"|HSC-Name|HSC-Dauer|HSC-Leistung|") + s(b"A") + struct.pack("<i", 5) \
    + struct.pack("<d", 1.0) + s(b"B") + struct.pack("<i", 5)
for name, data in (("voll.hsc", full), ("teil.hsc", partial), ("kopf.hsc", head)):
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
